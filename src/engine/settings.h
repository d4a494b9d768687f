#pragma once

#include <QDate>
#include <QString>

#include <stdexcept>

// The 100-line settings file Main/Options.ini, one typed field per line, named by the caption
// of the control that shows it. Check boxes are bools, edits of numbers are kept as the text the
// owner typed (the stages convert them), a few lines hold special values.
struct Settings {
    // Main Configuration
    QString ircServer;                         // 1
    QString nickname = "TalvaneBOT";           // 2
    QString defaultJoinChannel;                // 3
    QString ircPort;                           // 4
    QString ownersNickname;                    // 5
    QString nickServIdentity;                  // 6
    bool showIrcReceivedLogTexts = false;      // 7
    bool clearLogTextsBeforeEachNlp = false;   // 8
    bool allowDataTeaching = false;            // 9
    bool allowDataErasing = false;             // 10
    bool processPublicMessages = false;        // 11
    bool answerOnPublicMessages = false;       // 12
    bool restrictAdvancedTeaching = false;     // 13
    bool latvianLanguageMode = false;          // 14
    bool allowLonelyTalking = false;           // 15
    int ircConnectTimeout = 0;                 // 16
    QString hubServerAddress;                  // 17
    QString consoleSkin;                       // 18
    bool removeUserNicksFromMsg = false;       // 19
    QString lastSaveMonth;                     // 20
    bool showNotifications = false;            // 21
    bool automaticUpdates = false;             // 22
    bool enableConsoleSounds = false;          // 23
    bool updateRestartFlag = false;            // 24
    bool showDetailedConsoleLogTexts = false;  // 25
    bool automaticStartup = false;             // 26
    bool enableMixedWordRecognition = false;   // 27
    bool typingSimulation = false;             // 28

    // Maintenance (clearing filters)
    QString clearDay = "01";               // 29
    QString clearMonth = "01";             // 30
    QString clearYear = "2010";            // 31
    QString clearHour = "00";              // 32
    QString clearMinute = "00";            // 33
    bool clearWithoutSecurityKey = false;  // 34
    bool clearByDateAndTime = false;       // 35
    bool clearByTeachersNick = false;      // 36
    QString clearTeachersNickname;         // 37

    // NLP Configuration
    bool coverTeacherNicknames = false;         // 38
    bool allowTrainingMode = false;             // 39
    bool useDialogIntroForNewUsers = false;     // 40
    bool allowIrcCommands = false;              // 41
    bool protectContextualData = false;         // 42
    bool allowEventMessageCorrection = false;   // 43
    bool protectTaughtResponses = false;        // 44
    bool removeOwnNickFromMsg = false;          // 45
    bool replaceSynonymsInOutput = false;       // 46
    bool enableAdvancedDataMatching = false;    // 47
    bool enableAutohideOnAutostart = false;     // 48
    bool latvianSymbolConversion = false;       // 49
    bool testMode = false;                      // 50
    bool showOnlyLocalChat = false;             // 51
    bool allowAdmOnPublicMessages = false;      // 52
    bool hubServerSynchronization = false;      // 53
    bool useLocalInputHistory = false;          // 54
    bool allowInterfaceDataCorrection = false;  // 55
    bool allowAutoJoinOnInvite = false;         // 56
    bool allowRejoinAfterKick = false;          // 57
    bool quietProcessingModeInIrc = false;      // 58
    bool keepLinkedContextualData = false;      // 59
    int activeSettingsTab = 0;                  // 60

    // IRC Security Configuration
    bool protectFromMessageFlood = false;        // 61
    QString FloodMs;                             // 62
    QString FloodLines;                          // 63
    QString FloodKicks;                          // 64
    bool allowSelfDefenseActions = false;        // 65
    QString AntispamMs;                          // 66
    bool protectFromSpam = false;                // 67
    QString SpamAllowed;                         // 68
    QString SpamKicks;                           // 69
    QString SpamRepeatings;                      // 70
    QString SpamMaxLength;                       // 71
    QString SpamLens;                            // 72
    QString SpamMaxSymbls;                       // 73
    QString SpamMaxLongwords;                    // 74
    QString SpamWLens;                           // 75
    QString SpamCapsPercent;                     // 76
    QString SpamCapsFrom;                        // 77
    QString SpamMaxCaps;                         // 78
    QString JoinFloodMs;                         // 79
    QString JoinFloodAllowed;                    // 80
    QString JoinFloodKicks;                      // 81
    bool protectFromJoinFlood = false;           // 82
    QString BcAllowed;                           // 83
    QString BcKicks;                             // 84
    QString BnKicks;                             // 85
    bool protectFromBadContent = false;          // 86
    bool protectFromBadNicknames = false;        // 87
    bool restrictNicksInTeachingData = false;    // 88
    bool latvianEventSystem = false;             // 89
    bool ignoreAdminTextRepetitions = false;     // 90
    bool temporaryIncognitoForAdmins = false;    // 91
    bool allowContextKeywordCorrection = false;  // 92
    bool answerOnPmIntelligentMode = false;      // 93
    QString PubTickSec;                          // 94
    QString PubTickTimeout;                      // 95
    QString LTT_MinDgCnt;                        // 96
    bool TestModeNotice = false;                 // 97
    QString HistoryRepeatings;                   // 98
    QString HistoryTimeout;                      // 99
    bool HistoryRepeatIgnore = false;            // 100

    // Main/Additional.ini, read once at start and never written.
    QString ircUserName;
    QString ircFullName;
    QString HomepageText;

    // Whether a dependent control is enabled; it follows the box that governs it.
    bool enabled(int line) const;
};

class SettingsFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads the 100 lines into `settings`; missing and garbage lines leave design defaults. Throws
// SettingsFileError naming the file when it is missing or unreadable.
void LoadSettings(Settings& settings, const QString& path);
void LoadAdditionalSettings(Settings& settings, const QString& path);
// Rewrites the whole file; line 20 becomes the month of `today`. Throws SettingsFileError.
void SaveSettings(const Settings& settings, const QString& path, QDate today);

// The rules that tie dependent boxes to the box that governs them, as applied after loading:
// an unchecked governing box unchecks its dependents, a checked one leaves them as loaded.
void ApplySettingDependencies(Settings& settings);

// The same rules as the owner meets them when ticking a box in the settings panel.
void SetLatvianLanguageMode(Settings& settings, bool checked);
void SetProcessPublicMessages(Settings& settings, bool checked);
void SetAnswerOnPublicMessages(Settings& settings, bool checked);

// A number typed into an edit of the settings panel; `fallback` when the edit holds none.
int SettingNumber(const QString& text, int fallback);
