#include "settings.h"

#include "text_files.h"

#include <array>
#include <variant>

namespace {

// What a line of the file holds and how it is read and written.
struct Check {
    bool Settings::*field;
};
struct Text {
    QString Settings::*field;
    const char* whenEmpty =
        nullptr;  // design value of a combo box or the nick when the line is empty
};
struct Number {
    int Settings::*field;
};
struct Literal {  // a flag kept as one of two literal texts
    bool Settings::*field;
    const char* setText;
    const char* clearText;
};
struct SaveMonth {};
using Line = std::variant<Check, Text, Number, Literal, SaveMonth>;

const std::array<Line, 100>& Lines() {
    using S = Settings;
    static const std::array<Line, 100> lines = {
        Text{&S::ircServer},
        Text{&S::nickname, "TalvaneBOT"},
        Text{&S::defaultJoinChannel},
        Text{&S::ircPort},
        Text{&S::ownersNickname},
        Text{&S::nickServIdentity},
        Check{&S::showIrcReceivedLogTexts},
        Check{&S::clearLogTextsBeforeEachNlp},
        Check{&S::allowDataTeaching},
        Check{&S::allowDataErasing},
        Check{&S::processPublicMessages},
        Check{&S::answerOnPublicMessages},
        Check{&S::restrictAdvancedTeaching},
        Check{&S::latvianLanguageMode},
        Check{&S::allowLonelyTalking},
        Number{&S::ircConnectTimeout},
        Text{&S::hubServerAddress},
        Text{&S::consoleSkin},
        Check{&S::removeUserNicksFromMsg},
        SaveMonth{},
        Check{&S::showNotifications},
        Check{&S::automaticUpdates},
        Check{&S::enableConsoleSounds},
        Check{&S::updateRestartFlag},
        Check{&S::showDetailedConsoleLogTexts},
        Check{&S::automaticStartup},
        Check{&S::enableMixedWordRecognition},
        Check{&S::typingSimulation},
        // 29..37
        Text{&S::clearDay, "01"},
        Text{&S::clearMonth, "01"},
        Text{&S::clearYear, "2010"},
        Text{&S::clearHour, "00"},
        Text{&S::clearMinute, "00"},
        Check{&S::clearWithoutSecurityKey},
        Check{&S::clearByDateAndTime},
        Check{&S::clearByTeachersNick},
        Text{&S::clearTeachersNickname},
        // 38..60
        Check{&S::coverTeacherNicknames},
        Check{&S::allowTrainingMode},
        Check{&S::useDialogIntroForNewUsers},
        Check{&S::allowIrcCommands},
        Check{&S::protectContextualData},
        Check{&S::allowEventMessageCorrection},
        Check{&S::protectTaughtResponses},
        Check{&S::removeOwnNickFromMsg},
        Check{&S::replaceSynonymsInOutput},
        Check{&S::enableAdvancedDataMatching},
        Check{&S::enableAutohideOnAutostart},
        Check{&S::latvianSymbolConversion},
        Check{&S::testMode},
        Check{&S::showOnlyLocalChat},
        Check{&S::allowAdmOnPublicMessages},
        Check{&S::hubServerSynchronization},
        Check{&S::useLocalInputHistory},
        Check{&S::allowInterfaceDataCorrection},
        Check{&S::allowAutoJoinOnInvite},
        Check{&S::allowRejoinAfterKick},
        Check{&S::quietProcessingModeInIrc},
        Check{&S::keepLinkedContextualData},
        Number{&S::activeSettingsTab},
        // 61..100
        Check{&S::protectFromMessageFlood},
        Text{&S::FloodMs},
        Text{&S::FloodLines},
        Text{&S::FloodKicks},
        Check{&S::allowSelfDefenseActions},
        Text{&S::AntispamMs},
        Check{&S::protectFromSpam},
        Text{&S::SpamAllowed},
        Text{&S::SpamKicks},
        Text{&S::SpamRepeatings},
        Text{&S::SpamMaxLength},
        Text{&S::SpamLens},
        Text{&S::SpamMaxSymbls},
        Text{&S::SpamMaxLongwords},
        Text{&S::SpamWLens},
        Text{&S::SpamCapsPercent},
        Text{&S::SpamCapsFrom},
        Text{&S::SpamMaxCaps},
        Text{&S::JoinFloodMs},
        Text{&S::JoinFloodAllowed},
        Text{&S::JoinFloodKicks},
        Check{&S::protectFromJoinFlood},
        Text{&S::BcAllowed},
        Text{&S::BcKicks},
        Text{&S::BnKicks},
        Check{&S::protectFromBadContent},
        Check{&S::protectFromBadNicknames},
        Check{&S::restrictNicksInTeachingData},
        Check{&S::latvianEventSystem},
        Check{&S::ignoreAdminTextRepetitions},
        Check{&S::temporaryIncognitoForAdmins},
        Check{&S::allowContextKeywordCorrection},
        Check{&S::answerOnPmIntelligentMode},
        Text{&S::PubTickSec},
        Text{&S::PubTickTimeout},
        Text{&S::LTT_MinDgCnt},
        Literal{&S::TestModeNotice, "TMON ENABLED", "TMON DISABLED"},
        Text{&S::HistoryRepeatings},
        Text{&S::HistoryTimeout},
        Literal{&S::HistoryRepeatIgnore, "HISTREPEATING ENABLED", "HISTREPEATING DISABLED"},
    };
    return lines;
}

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

void ApplyLine(Settings& s, const Line& line, const QString& value) {
    std::visit(Overloaded{
                   [&](const Check& c) {
                       if (value == "1") s.*c.field = true;
                       if (value == "0") s.*c.field = false;
                   },
                   [&](const Text& t) {
                       s.*t.field = value.isEmpty() && t.whenEmpty ? t.whenEmpty : value;
                   },
                   [&](const Number& n) { s.*n.field = SettingNumber(value, 0); },
                   [&](const Literal& l) {
                       if (value == l.setText) s.*l.field = true;
                       if (value == l.clearText) s.*l.field = false;
                   },
                   [&](const SaveMonth&) { s.lastSaveMonth = value; },
               },
               line);
}

QString LineText(const Settings& s, const Line& line, QDate today) {
    return std::visit(
        Overloaded{
            [&](const Check& c) { return QString(s.*c.field ? "1" : "0"); },
            [&](const Text& t) { return s.*t.field; },
            [&](const Number& n) { return QString::number(s.*n.field); },
            [&](const Literal& l) { return QString(s.*l.field ? l.setText : l.clearText); },
            [&](const SaveMonth&) { return today.toString("MM"); },
        },
        line);
}

}  // namespace

int SettingNumber(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

bool Settings::enabled(int line) const {
    switch (line) {
        case 49:
        case 89:
            return latvianLanguageMode;
        case 12:
            return processPublicMessages;
        case 93:
            return processPublicMessages && answerOnPublicMessages;
        case 59:
            return !protectContextualData;
        default:
            return true;
    }
}

void LoadSettings(Settings& settings, const QString& path) {
    QStringList lines;
    try {
        lines = ReadTextLines(path);
    } catch (const TextFileError& e) {
        throw SettingsFileError(e.what());
    }
    const auto& table = Lines();
    for (size_t i = 0; i < table.size(); ++i)
        ApplyLine(settings, table[i], i < size_t(lines.size()) ? lines[int(i)] : QString());
    if (settings.activeSettingsTab < 0 || settings.activeSettingsTab > 4)
        settings.activeSettingsTab = 0;
    ApplySettingDependencies(settings);
}

void LoadAdditionalSettings(Settings& settings, const QString& path) {
    QStringList lines;
    try {
        lines = ReadTextLines(path);
    } catch (const TextFileError& e) {
        throw SettingsFileError(e.what());
    }
    settings.ircUserName = lines.value(0);
    settings.ircFullName = lines.value(1);
    settings.HomepageText = lines.value(2);
}

void SaveSettings(const Settings& settings, const QString& path, QDate today) {
    QStringList lines;
    for (const Line& line : Lines())
        lines << LineText(settings, line, today);
    try {
        WriteTextLines(path, lines);
    } catch (const TextFileError& e) {
        throw SettingsFileError(e.what());
    }
}

void ApplySettingDependencies(Settings& s) {
    if (!s.latvianLanguageMode) s.latvianSymbolConversion = s.latvianEventSystem = false;
    if (!s.processPublicMessages) s.answerOnPublicMessages = s.answerOnPmIntelligentMode = false;
    if (!s.answerOnPublicMessages) s.answerOnPmIntelligentMode = false;
}

void SetLatvianLanguageMode(Settings& s, bool checked) {
    s.latvianLanguageMode = s.latvianSymbolConversion = s.latvianEventSystem = checked;
}

void SetProcessPublicMessages(Settings& s, bool checked) {
    s.processPublicMessages = s.answerOnPublicMessages = s.answerOnPmIntelligentMode = checked;
}

void SetAnswerOnPublicMessages(Settings& s, bool checked) {
    s.answerOnPublicMessages = s.answerOnPmIntelligentMode = checked;
}
