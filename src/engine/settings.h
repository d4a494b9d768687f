#pragma once

#include <QDate>
#include <QString>

#include <stdexcept>
#include <vector>

// The 100-line settings file Main/Options.ini: one value per line, no keys. Every line is
// declared once, below, and the declaration makes the typed field of `Settings`, the reading and
// writing of its line, the rules that tie a box to the box that governs it, and what the settings
// panel shows.

// How a line is kept.
struct Check {};  // a check box: "1" or "0"; any other text leaves the box as it was
struct Text {};   // the text as typed; the declared value stands in for an empty line
struct Number {   // a decimal integer; the declared value stands in for no number
    int min = -2147483647 - 1, max = 2147483647;  // a number outside them reads as the default
};
struct Literal {  // a flag kept as one of two fixed texts; any other text leaves it as it was
    const char* setText;
    const char* clearText;
};
struct SaveMonth {};  // read as it stands, written as the month of the day it is saved

template <class Kind>
struct SettingField;
template <>
struct SettingField<Check> {
    using type = bool;
};
template <>
struct SettingField<Text> {
    using type = QString;
};
template <>
struct SettingField<Number> {
    using type = int;
};
template <>
struct SettingField<Literal> {
    using type = bool;
};
template <>
struct SettingField<SaveMonth> {
    using type = QString;
};

// How a box follows the box of another line.
struct Dependency {
    enum class Rule { None, Follows, DisabledBy } rule = Rule::None;
    int line = 0;  // the governing line
};
// Enabled and checked with its governing box; unchecked and disabled without it.
constexpr Dependency Follows(int line) {
    return {Dependency::Rule::Follows, line};
}
// Disabled while its governing box is checked; its value stays.
constexpr Dependency DisabledBy(int line) {
    return {Dependency::Rule::DisabledBy, line};
}
constexpr Dependency Free{};

// X(line, kind, field, caption, default, dependency, help text). The caption is the control's
// caption or, for the security edits, its label; lines without a control have none.
// clang-format off
#define TALVANE_SETTINGS(X) \
    /* Main Configuration */ \
    X(1, Text{}, ircServer, "IRC Server", "", Free, "IRC server address (example: irc.libera.chat).") \
    X(2, Text{}, nickname, "Q.I.V.O™ Nickname", "TalvaneBOT", Free, "Nickname of Q.I.V.O™ on IRC.") \
    X(3, Text{}, defaultJoinChannel, "Default Join Channel", "", Free, "Channel Q.I.V.O™ joins after connecting (example: #talvane).") \
    X(4, Text{}, ircPort, "IRC Port", "", Free, "IRC port number (example: 6667).") \
    X(5, Text{}, ownersNickname, "Owner's Nickname", "", Free, "Your nickname. Q.I.V.O™ knows its owner by it on IRC and in the local console.") \
    X(6, Text{}, nickServIdentity, "NickServ Identity", "", Free, "Nickserv's identity password. Necessary to identify Q.I.V.O™ nickname on IRC server.") \
    X(7, Check{}, showIrcReceivedLogTexts, "Show IRC Received Log Texts", false, Free, "Check this option to show every line the IRC server sends in the console log.") \
    X(8, Check{}, clearLogTextsBeforeEachNlp, "Clear Log Texts Before Each NLP", false, Free, "Check this option to clear the console log before each NLP process.") \
    X(9, Check{}, allowDataTeaching, "Allow Data Teaching", false, Free, "Check this option to allow users to teach Q.I.V.O™ answers, synonyms and words.") \
    X(10, Check{}, allowDataErasing, "Allow Data Erasing", false, Free, "Check this option to allow users to erase what was taught.") \
    X(11, Check{}, processPublicMessages, "Process Public Messages", false, Free, "Check this option to let Q.I.V.O™ process channel messages that do not name it.") \
    X(12, Check{}, answerOnPublicMessages, "Answer On Public Messages", false, Follows(11), "Check this option to let Q.I.V.O™ answer channel messages that do not name it.") \
    X(13, Check{}, restrictAdvancedTeaching, "Restrict Advanced Teaching", false, Free, "Check this option to allow multiple responses and extending only for owners, co-owners and super moderators.") \
    X(14, Check{}, latvianLanguageMode, "Latvian Language Mode", false, Free, "Check this option to let Q.I.V.O™ speak Latvian: letter pairs such as \"SH\" become Latvian letters.") \
    X(15, Check{}, allowLonelyTalking, "Allow Lonely Talking", false, Free, "Check this option to let Q.I.V.O™ speak up to users who fall silent.") \
    X(16, Number{}, ircConnectTimeout, "", 0, Free, "") \
    X(17, Text{}, hubServerAddress, "Q.I.V.O™ Hub Server™ Adress", "", Free, "Address of the Q.I.V.O™ Hub Server™ that updates come from.") \
    X(18, Text{}, consoleSkin, "Console Skin", "", Free, "The look of the main console.") \
    X(19, Check{}, removeUserNicksFromMsg, "Remove User Nicks From Msg.", false, Free, "Check this option to remove the nicknames of other users from messages before they are processed.") \
    X(20, SaveMonth{}, lastSaveMonth, "", "", Free, "") \
    X(21, Check{}, showNotifications, "Show Q.I.V.O™ Notifications", false, Free, "Check this option to show Q.I.V.O™ notifications beside the tray icon.") \
    X(22, Check{}, automaticUpdates, "Automatic Q.I.V.O™ Updates", false, Free, "Check this option to take Q.I.V.O™ updates without being asked.") \
    X(23, Check{}, enableConsoleSounds, "Enable Console Sounds", false, Free, "Check this option to hear the console's sounds.") \
    X(24, Check{}, updateRestartFlag, "", false, Free, "") \
    X(25, Check{}, showDetailedConsoleLogTexts, "Show Detailed Console Log Texts", false, Free, "Check this option to see every step of the NLP process in the console log.") \
    X(26, Check{}, automaticStartup, "Automatic Q.I.V.O™ Startup", false, Free, "Check this option to take Q.I.V.O™ online as soon as the program starts.") \
    X(27, Check{}, enableMixedWordRecognition, "Enable Mixed Word Recognition", false, Free, "Check this option to find answers to questions whose words come in another order.") \
    X(28, Check{}, typingSimulation, "Typing Simulation", false, Free, "Check this option to let Q.I.V.O™ take the time a typist would before each line.") \
    /* Maintenance: the clearing filters */ \
    X(29, Text{}, clearDay, "Day", "01", Free, "Day of the creation date to clear from.") \
    X(30, Text{}, clearMonth, "Month", "01", Free, "Month of the creation date to clear from.") \
    X(31, Text{}, clearYear, "Year", "2010", Free, "Year of the creation date to clear from.") \
    X(32, Text{}, clearHour, "Hour", "00", Free, "Hour of the creation time to clear from.") \
    X(33, Text{}, clearMinute, "Minute", "00", Free, "Minute of the creation time to clear from.") \
    X(34, Check{}, clearWithoutSecurityKey, "Clear Without Security Key", false, Free, "Enabling this option you grant acess for database cleanup without security key. It is not recommended to enable this option!") \
    X(35, Check{}, clearByDateAndTime, "Clear By Date And Time", false, Free, "Check this option to add more detailed cleanup match by date and time.") \
    X(36, Check{}, clearByTeachersNick, "Clear By Teacher's Nick", false, Free, "Check this option to add more detailed cleanup match by nickname of information teacher.") \
    X(37, Text{}, clearTeachersNickname, "Teacher's Nickname:", "", Free, "Enter nickname of information teacher there to add more detailed cleanup match.") \
    /* NLP Configuration, and two lines of the additional console */ \
    X(38, Check{}, coverTeacherNicknames, "Cover Teacher Nicknames", false, Free, "Check this option to hide the nicknames of teachers from everybody but the owner.") \
    X(39, Check{}, allowTrainingMode, "Allow Training Mode", false, Free, "Check this option to let trainers receive training notices.") \
    X(40, Check{}, useDialogIntroForNewUsers, "Use Dialog Intro For New Users", false, Free, "Check this option to greet new users and explain the first unknown answers to them.") \
    X(41, Check{}, allowIrcCommands, "Allow Use Of IRC \"!Commands\"", false, Free, "Check this option to carry out the !commands users type on IRC.") \
    X(42, Check{}, protectContextualData, "Protect Contextual Data", false, Free, "Check this option to protect linked contextual data when an answer is erased.") \
    X(43, Check{}, allowEventMessageCorrection, "Allow Event Message Correction", false, Free, "Check this option to apply taught corrections to event messages too.") \
    X(44, Check{}, protectTaughtResponses, "Protect Taught Responses", false, Free, "Check this option to let only the teacher and the owner erase an answer.") \
    X(45, Check{}, removeOwnNickFromMsg, "Remove Q.I.V.O™ Nick From Msg.", false, Free, "Check this option to remove Q.I.V.O™'s own nickname from messages before they are processed.") \
    X(46, Check{}, replaceSynonymsInOutput, "Replace Synonyms In Output", false, Free, "Check this option to put synonyms into the answers too.") \
    X(47, Check{}, enableAdvancedDataMatching, "Enable Advanced Data Matching", false, Free, "Check this option to let stored questions act as wildcard patterns.") \
    X(48, Check{}, enableAutohideOnAutostart, "Enable Autohide On Autostart", false, Free, "Check this option to hide the console in the tray when Q.I.V.O™ starts by itself.") \
    X(49, Check{}, latvianSymbolConversion, "Latvian Symbol Conversion", false, Follows(14), "Check this option to keep Latvian letters in the answers; unchecked, they are written as letter pairs.") \
    X(50, Check{}, testMode, "Test Mode (tmp. admin privileges)", false, Free, "Check this option to give every speaker temporary moderator privileges.") \
    X(51, Check{}, showOnlyLocalChat, "Show Only Local Chat", false, Free, "Check this option to show only the local chat in the additional console.") \
    X(52, Check{}, allowAdmOnPublicMessages, "Allow A.D.M. On Public Messages", false, Free, "Check this option to use advanced data matching for channel messages too.") \
    X(53, Check{}, hubServerSynchronization, "Hub Server™ Synchronization", false, Free, "Synchronization with the Q.I.V.O™ Hub Server™.") \
    X(54, Check{}, useLocalInputHistory, "Use Local Input History", false, Free, "Check this option to keep what you type in the additional console.") \
    X(55, Check{}, allowInterfaceDataCorrection, "Allow Interface Data Correction", false, Free, "Check this option to apply taught corrections to stored answers too.") \
    X(56, Check{}, allowAutoJoinOnInvite, "Allow Auto Join On Invite", false, Free, "Check this option to let Q.I.V.O™ join a channel it is invited to.") \
    X(57, Check{}, allowRejoinAfterKick, "Allow Rejoin After Kick", false, Free, "Check this option to allow Q.I.V.O™ rejoin a channel after being kicked.") \
    X(58, Check{}, quietProcessingModeInIrc, "Quiet Processing Mode In IRC", false, Free, "Check this option to process IRC messages without sending anything to IRC.") \
    X(59, Check{}, keepLinkedContextualData, "Keep Linked Contextual Data", false, DisabledBy(42), "Check this option to keep linked contextual data when an answer is erased.") \
    X(60, (Number{0, 4}), activeSettingsTab, "", 0, Free, "") \
    /* IRC Security Configuration */ \
    X(61, Check{}, protectFromMessageFlood, "Protect From Message Flood", false, Free, "Check this option to kick and ban users who flood a channel with messages.") \
    X(62, Text{}, FloodMs, "FL.MS.", "", Free, "Minimal time interval allowed between messages in milliseconds for Anti-Flood function.") \
    X(63, Text{}, FloodLines, "FL.MC.", "", Free, "Maximum  messages allowed in a consecutive order (kick after).") \
    X(64, Text{}, FloodKicks, "FL.KK.", "", Free, "Maximum kicks for message flooding (ban after).") \
    X(65, Check{}, allowSelfDefenseActions, "Allow Self-Defense Actions", false, Free, "Self-defense actions of Q.I.V.O™.") \
    X(66, Text{}, AntispamMs, "AS.MS.", "", Free, "Minimal time interval allowed between messages in milliseconds for Anti-Spam function.") \
    X(67, Check{}, protectFromSpam, "Protect From Spam", false, Free, "Check this option to kick and ban users who spam a channel.") \
    X(68, Text{}, SpamAllowed, "AS.SA.", "", Free, "Spams allowed (kick after).") \
    X(69, Text{}, SpamKicks, "AS.KK.", "", Free, "Maximum kicks for spamming (ban after).") \
    X(70, Text{}, SpamRepeatings, "RP.AL.", "", Free, "Maximum similar message repetitions allowed (kick after).") \
    X(71, Text{}, SpamMaxLength, "LM.LN.", "", Free, "Maximum length of a message (in symbols).") \
    X(72, Text{}, SpamLens, "LM.AL.", "", Free, "Maximum messages containing long text allowed (kick after).") \
    X(73, Text{}, SpamMaxSymbls, "MX.WS.", "", Free, "Maximum symbols (characters) in a word allowed.") \
    X(74, Text{}, SpamMaxLongwords, "MX.LW.", "", Free, "Maximum long words allowed in a message.") \
    X(75, Text{}, SpamWLens, "MX.LM.", "", Free, "Maximum messages containing long words allowed (kick after).") \
    X(76, Text{}, SpamCapsPercent, "CA.PR.", "", Free, "Maximum CapsLock percentage allowed in a message.") \
    X(77, Text{}, SpamCapsFrom, "CA.FS.", "", Free, "Anti-CapsLock function starts from \"X\" length of message (in symbols).") \
    X(78, Text{}, SpamMaxCaps, "CA.AL.", "", Free, "Maximum CapsLock containing messages allowed (kick after).") \
    X(79, Text{}, JoinFloodMs, "JF.MS.", "", Free, "Minimum time interval allowed in milliseconds between joins.") \
    X(80, Text{}, JoinFloodAllowed, "JF.AL.", "", Free, "Maximum join floods allowed (kick after).") \
    X(81, Text{}, JoinFloodKicks, "JF.KK.", "", Free, "Maximum kicks for join flooding allowed (ban after).") \
    X(82, Check{}, protectFromJoinFlood, "Protect From Join Flood", false, Free, "Check this option to kick and ban users who join a channel again and again.") \
    X(83, Text{}, BcAllowed, "BC.AL.", "", Free, " Maximum messages with bad content allowed (kick after).") \
    X(84, Text{}, BcKicks, "BC.KK.", "", Free, "Maximum kicks for messages containing bad content allowed (ban after).") \
    X(85, Text{}, BnKicks, "BN.KK.", "", Free, "Maximum kicks for a bad nickname allowed (ban after).") \
    X(86, Check{}, protectFromBadContent, "Protect From Bad Content", false, Free, "Check this option to kick and ban users who write bad words.") \
    X(87, Check{}, protectFromBadNicknames, "Protect From Bad Nicknames", false, Free, "Check this option to kick and ban users whose nickname holds bad words.") \
    X(88, Check{}, restrictNicksInTeachingData, "Restrict Nicks In Teaching Data", false, Free, "Check this option to refuse taught answers that hold nicknames.") \
    X(89, Check{}, latvianEventSystem, "Latvian Event System", false, Follows(14), "Check this option to let Q.I.V.O™ use its Latvian event messages.") \
    X(90, Check{}, ignoreAdminTextRepetitions, "Ignore Admin Text Repetitions", false, Free, "Check this option to let owners and co-owners repeat themselves unpunished.") \
    X(91, Check{}, temporaryIncognitoForAdmins, "Temporary Incognito For Admins", false, Free, "Check this option to let incognito admins pass the channel protections.") \
    X(92, Check{}, allowContextKeywordCorrection, "Allow Context Keyword Correction", false, Free, "Check this option to apply taught corrections to context keywords too.") \
    X(93, Check{}, answerOnPmIntelligentMode, "Answer On P.M. (Intelligent Mode)", false, Follows(12), "Check this option to let Q.I.V.O™ choose which channel messages it reacts to.") \
    X(94, Text{}, PubTickSec, "PPM.IM.", "", Free, "Seconds after Q.I.V.O™ was last named during which it reacts to channel messages.") \
    X(95, Text{}, PubTickTimeout, "TPM.IM.", "", Free, "Seconds of channel silence after which Q.I.V.O™ reacts to channel messages again.") \
    X(96, Text{}, LTT_MinDgCnt, "LTT.MS.", "", Free, "Messages a user must have addressed to Q.I.V.O™ before it speaks up to the user.") \
    X(97, (Literal{"TMON ENABLED", "TMON DISABLED"}), TestModeNotice, "", false, Free, "") \
    X(98, Text{}, HistoryRepeatings, "RP.IT.", "", Free, "Minutes during which a repeating user is ignored.") \
    X(99, Text{}, HistoryTimeout, "DH.DT.", "", Free, "Minutes after which a repeated phrase no longer counts as a repetition.") \
    X(100, (Literal{"HISTREPEATING ENABLED", "HISTREPEATING DISABLED"}), HistoryRepeatIgnore, "", false, Free, "")
// clang-format on

struct Settings {
#define TALVANE_SETTING_FIELD(line, kind, field, caption, value, dependency, help) \
    SettingField<decltype(kind)>::type field = value;
    TALVANE_SETTINGS(TALVANE_SETTING_FIELD)
#undef TALVANE_SETTING_FIELD

    // Main/Additional.ini, read once at start and never written.
    QString ircUserName;
    QString ircFullName;
    QString HomepageText;

    // Whether the control of `line` is enabled; a dependent box follows the box that governs it.
    bool enabled(int line) const;
};

// What the settings panel needs to know of a line.
struct SettingDeclaration {
    int line;
    const char* caption;  // empty: the line has no control
    Dependency dependency;
    const char* help;
    bool checkBox;
};
const std::vector<SettingDeclaration>& SettingDeclarations();

// The line as the file keeps it, and the line set from that form.
QString SettingLineText(const Settings& settings, int line, QDate today);
void SetSettingLine(Settings& settings, int line, const QString& text);

// The owner ticks or clears a box of the settings panel: the boxes that follow it are checked or
// unchecked with it, in turn with theirs.
void SetChecked(Settings& settings, int line, bool checked);

class SettingsFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What was read: a file that is not 100 lines of text was damaged on the way, and the owner is
// told so before it is written again.
struct SettingsFileShape {
    qsizetype lines = 0;
    bool text = true;  // no control bytes
    bool sound() const { return text && lines == 100; }
};

// Reads the 100 lines into `settings`; missing and garbage lines leave design defaults. Throws
// SettingsFileError naming the file when it is missing or unreadable.
SettingsFileShape LoadSettings(Settings& settings, const QString& path);
// Keeps a damaged settings file as it was beside it ("Options.ini.damaged"), before it is written
// again; returns the warning that tells the owner so.
QString KeepDamagedSettings(const QString& path, const SettingsFileShape& shape);
void LoadAdditionalSettings(Settings& settings, const QString& path);
// Rewrites the whole file; line 20 becomes the month of `today`. Throws SettingsFileError.
void SaveSettings(const Settings& settings, const QString& path, QDate today);

// The rules that tie dependent boxes to the box that governs them, as applied after loading:
// an unchecked governing box unchecks its dependents, a checked one leaves them as loaded.
void ApplySettingDependencies(Settings& settings);

// A number typed into an edit of the settings panel; `fallback` when the edit holds none.
int SettingNumber(const QString& text, int fallback);
