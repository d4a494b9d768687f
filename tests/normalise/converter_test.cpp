#include "normalise/converter.h"
#include "phrase_engine.h"

#include <gtest/gtest.h>

namespace {

// A converter command from a user of the given privilege level, with the event preparation and
// the Lonely Talking list standing in as recorders.
struct ConverterRun : PhraseEngine {
    ConverterRun(Privilege privilege, const QString& phrase, bool keepLatvianLetters) {
        engine.stages.PrepareEventMessage = [this](Engine& e) {
            preparedEvents << e.state.request.EventName;
        };
        engine.stages.UnwatchUser = [this](Engine&, const QString& userKey) {
            unwatched << userKey;
        };
        request().Privilege = privilege;
        request().UserKey = "SPCLFTBRCKTAnnaSPCRGTBRCKT";
        request().WorkPhrase = phrase;
        settings().latvianSymbolConversion = keepLatvianLetters;
        ToggleConverter(engine);
    }

    QStringList preparedEvents, unwatched;
};

TEST(ToggleConverter, ModeratorsSwitchTheLetterPairConversion) {
    for (const Privilege privilege :
         {Privilege::Owner, Privilege::SuperModerator, Privilege::BasicModerator}) {
        ConverterRun disable(privilege, "[DISABLECONVERTER]", false);
        EXPECT_TRUE(disable.settings().latvianSymbolConversion);
        EXPECT_EQ(disable.preparedEvents, QStringList{"On Macron Command Disable"});
        EXPECT_EQ(disable.unwatched, QStringList{"SPCLFTBRCKTAnnaSPCRGTBRCKT"});
        EXPECT_EQ(disable.engine.state.outcomes.ConverterAnswered, true);
        EXPECT_TRUE(disable.request().Answered);

        ConverterRun enable(privilege, "PLEASE [ENABLECONVERTER]", true);
        EXPECT_FALSE(enable.settings().latvianSymbolConversion);
        EXPECT_EQ(enable.preparedEvents, QStringList{"On Macron Command Enable"});
        EXPECT_EQ(enable.unwatched.size(), 1);
        EXPECT_EQ(enable.engine.state.outcomes.ConverterAnswered, true);
    }
}

TEST(ToggleConverter, TheDisablingCommandWinsAndLetterCaseDoesNotMatter) {
    ConverterRun both(Privilege::Owner, "[enableconverter] [disableconverter]", false);
    EXPECT_TRUE(both.settings().latvianSymbolConversion);
    EXPECT_EQ(both.preparedEvents, QStringList{"On Macron Command Disable"});
}

TEST(ToggleConverter, OtherUsersAndOtherPhrasesChangeNothing) {
    const std::pair<Privilege, const char*> cases[] = {
        {Privilege::BasicUser, "[DISABLECONVERTER]"},
        {Privilege::Ignored, "[DISABLECONVERTER]"},
        {Privilege::Owner, "DISABLECONVERTER"},
        {Privilege::Owner, "HELLO"},
    };
    for (const auto& [privilege, phrase] : cases) {
        ConverterRun run(privilege, phrase, false);
        EXPECT_FALSE(run.settings().latvianSymbolConversion) << phrase;
        EXPECT_TRUE(run.preparedEvents.isEmpty());
        EXPECT_TRUE(run.unwatched.isEmpty());
        EXPECT_EQ(run.engine.state.outcomes.ConverterAnswered, false);
        EXPECT_FALSE(run.request().Answered);
    }
}

}  // namespace
