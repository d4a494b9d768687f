#include "irc/message_front_end.h"

#include "engine/time_text.h"
#include "support/engine_fixture.h"

#include <gtest/gtest.h>

namespace {

class FrontEnd : public EngineFixture {
  protected:
    FrontEnd() {
        Settings& s = engine->state.settings;
        s.nickname = "TalvaneBOT";
        s.processPublicMessages = false;
        s.latvianLanguageMode = false;
        s.showOnlyLocalChat = false;
        s.showDetailedConsoleLogTexts = true;
        s.protectFromMessageFlood = s.protectFromSpam = s.protectFromBadContent = false;
    }
    std::optional<TInput> receive(const QString& text, const QString& channel = {}) {
        return MessageFrontEnd(*engine, "alice", "a@host", text, channel);
    }
};

TEST_F(FrontEnd, TheKindOfInputAndWhetherItIsAnsweredAtAll) {
    const struct {
        const char* text;
        const char* channel;
        bool processPublic;
        std::optional<TargetKind> kind;  // nothing: not queued
    } cases[] = {
        {"TalvaneBOT: hello", "#c", false, TargetKind::HighlightedChannel},
        {"hi [talvanebot]!", "#c", false, TargetKind::HighlightedChannel},
        {"talvanebotty is here", "#c", false, std::nullopt},
        {"hello all", "#c", false, std::nullopt},
        {"hello all", "#c", true, TargetKind::Channel},
        {"!help", "#c", false, TargetKind::Channel},
        {"!Hello Qivo", "#c", false, TargetKind::Channel},
        {"just you", "", false, TargetKind::Private},
        {"TalvaneBOT: and you", "", false, TargetKind::Private},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        engine->state.settings.processPublicMessages = c.processPublic;
        fakes.console.lines.clear();
        const std::optional<TInput> input = receive(c.text, c.channel);
        ASSERT_EQ(input.has_value(), c.kind.has_value());
        if (!input) {
            EXPECT_EQ(fakes.console.lines, QStringList({"A.I. > Public message processing is "
                                                        "disabled.",
                                                        "A.I. > NLP skipped."}));
            continue;
        }
        EXPECT_EQ(input->TargetKind, *c.kind);
        EXPECT_EQ(input->Highlighted, *c.kind == TargetKind::HighlightedChannel ||
                                          QString(c.text).startsWith("TalvaneBOT"));
        EXPECT_EQ(input->ReplyTarget, QString(c.channel).isEmpty() ? "alice" : c.channel);
        EXPECT_EQ(input->UserNick, "alice");
        EXPECT_EQ(input->UserAddress, "a@host");
        EXPECT_EQ(input->RawText, c.text);
        EXPECT_EQ(input->UpperPhrase, QString(c.text).toUpper());
    }
}

// Users address the nick the server gave us when it refused the configured one.
TEST_F(FrontEnd, TheHighlightIsForTheNickWeHave) {
    fakes.irc.nick = "QIVO3";
    EXPECT_EQ(receive("QIVO3: hello", "#c")->TargetKind, TargetKind::HighlightedChannel);
    EXPECT_FALSE(receive("TalvaneBOT: hello", "#c"));
}

TEST_F(FrontEnd, ShownInTheChatViewFoldedInLatvianModeAndNothingWhilePaused) {
    engine->state.settings.latvianLanguageMode = true;
    const std::optional<TInput> input = receive("Shodien ir labi");
    ASSERT_TRUE(input);
    EXPECT_EQ(input->OriginalPhrase, QString::fromUtf8("Šodien ir labi"));
    EXPECT_EQ(input->RawText, "Shodien ir labi");
    EXPECT_EQ(fakes.additional.chat,
              QStringList({LongTimeText(fakes.clock.at.time()) + " > alice : Shodien ir labi"}));

    engine->state.settings.showOnlyLocalChat = true;
    EXPECT_TRUE(receive("unseen"));
    EXPECT_EQ(fakes.additional.chat.size(), 1);

    engine->state.paused = true;
    EXPECT_FALSE(receive("TalvaneBOT: anyone?", "#c"));
}

// The protections are stages of their own, run in their order; a flood hit stops the message and
// spares it the spam check.
TEST_F(FrontEnd, TheProtectionsRunInTheirOrderWhileSwitchedOn) {
    Settings& s = engine->state.settings;
    s.protectFromMessageFlood = s.protectFromSpam = s.protectFromBadContent = true;
    QStringList ran;
    for (Stage* stage : {&engine->stages.ProtectionGate, &engine->stages.CheckFlood,
                         &engine->stages.CheckSpam, &engine->stages.CheckBadContent})
        *stage = [&ran, name = stage->name()](Engine&) { ran << name; };
    EXPECT_TRUE(receive("TalvaneBOT: hello", "#c"));
    EXPECT_EQ(ran, QStringList({"ProtectionGate", "CheckFlood", "CheckSpam", "CheckBadContent"}));

    ran.clear();
    fakes.additional.chat.clear();
    engine->stages.CheckFlood = [&ran](Engine& e) {
        ran << "CheckFlood";
        e.state.messageChecks.FloodHit = true;
    };
    EXPECT_FALSE(receive("TalvaneBOT: hello again", "#c"));
    EXPECT_FALSE(ran.contains("CheckSpam"));
    EXPECT_TRUE(fakes.additional.chat.isEmpty());
}

}  // namespace
