#include "engine/settings.h"
#include "engine/text_files.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

class SettingsFile : public ::testing::Test {
  protected:
    QString write(const QStringList& lines) {
        WriteTextLines(path, lines);
        return path;
    }
    QStringList shipped() {
        return ReadTextLines(QStringLiteral(TALVANE_SOURCE_DATA_DIR) + "/Main/Options.ini");
    }
    QTemporaryDir dir;
    QString path = dir.filePath("Options.ini");
};

TEST_F(SettingsFile, LoadThenSaveReproducesTheFileExceptTheSaveMonth) {
    QStringList lines = shipped();
    ASSERT_EQ(lines.size(), 100);
    lines[19] = "03";
    Settings settings;
    LoadSettings(settings, write(lines));
    SaveSettings(settings, path, QDate(2026, 7, 14));
    QStringList expected = lines;
    expected[19] = "07";
    EXPECT_EQ(ReadTextLines(path), expected);
}

TEST_F(SettingsFile, EveryLineReachesItsFieldAndComesBack) {
    // Each check-box line flipped in turn must change exactly that line when saved.
    const QStringList base = shipped();
    for (int line = 0; line < 100; ++line) {
        if (base[line] != "0" && base[line] != "1") continue;
        QStringList lines = base;
        lines[line] = base[line] == "1" ? "0" : "1";
        // Dependent boxes only keep a "1" while the box that governs them is checked.
        for (int governing : {13, 10, 11})
            lines[governing] = "1";
        Settings settings;
        LoadSettings(settings, write(lines));
        SaveSettings(settings, path, QDate(2026, 1, 1));
        QStringList saved = ReadTextLines(path);
        saved[19] = lines[19];
        EXPECT_EQ(saved, lines) << "line " << line + 1;
    }
}

TEST_F(SettingsFile, ShortAndGarbageFilesLoadDesignDefaults) {
    QStringList lines = shipped().mid(0, 60);
    lines[1] = "";            // nick
    lines[15] = "soon";       // IrcConnectTimeout
    lines[8] = "yes please";  // a check box that is neither 1 nor 0
    lines[59] = "\x01\x02garbage";
    Settings settings;
    LoadSettings(settings, write(lines));
    EXPECT_EQ(settings.nickname, "TalvaneBOT");
    EXPECT_EQ(settings.ircConnectTimeout, 0);
    EXPECT_FALSE(settings.allowDataTeaching);
    EXPECT_EQ(settings.activeSettingsTab, 0);
    EXPECT_EQ(settings.FloodMs, "");
    EXPECT_FALSE(settings.protectFromMessageFlood);
    EXPECT_FALSE(settings.TestModeNotice);
    EXPECT_EQ(settings.HistoryTimeout, "");
}

TEST_F(SettingsFile, AFileThatIsNot100LinesOfTextIsKeptAsideWithAWarning) {
    QStringList longFile = shipped();
    for (int i = 0; i < 9900; ++i)
        longFile << "extra";
    const struct {
        const char* name;
        QStringList lines;
        qsizetype count;
        bool text;
    } cases[] = {
        {"the shipped file", shipped(), 100, true},
        {"three lines", {"irc.example", "Bot", "#chan"}, 3, true},
        {"ten thousand lines", longFile, 10000, true},
        {"binary garbage", {QString("\x7f\x01\x02ELF"), QString(QChar(0)) + "x"}, 2, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Settings settings;
        const SettingsFileShape shape = LoadSettings(settings, write(c.lines));
        EXPECT_EQ(shape.lines, c.count);
        EXPECT_EQ(shape.text, c.text);
        EXPECT_EQ(shape.sound(), c.count == 100 && c.text);
        if (shape.sound()) continue;
        const QByteArray before = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        const QString warning = KeepDamagedSettings(path, shape);
        EXPECT_TRUE(warning.contains(path + " holds " + QString::number(c.count) + " lines"))
            << warning.toStdString();
        QFile copy(path + ".damaged");
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), before);
    }
}

TEST_F(SettingsFile, EmptyFileLoadsDesignDefaults) {
    Settings settings;
    LoadSettings(settings, write({}));
    EXPECT_EQ(settings.nickname, "TalvaneBOT");
    EXPECT_EQ(settings.clearYear, "2010");
    EXPECT_EQ(settings.clearDay, "01");
}

TEST_F(SettingsFile, MissingFileIsAnErrorNamingIt) {
    Settings settings;
    try {
        LoadSettings(settings, dir.filePath("Main/Options.ini"));
        FAIL() << "no error";
    } catch (const SettingsFileError& e) {
        EXPECT_NE(QString(e.what()).indexOf("Main/Options.ini"), -1) << e.what();
    }
}

TEST_F(SettingsFile, SpecialLinesKeepTheirLiteralValues) {
    QStringList lines = shipped();
    lines[96] = "TMON ENABLED";
    lines[99] = "HISTREPEATING ENABLED";
    lines[23] = "1";
    Settings settings;
    LoadSettings(settings, write(lines));
    EXPECT_TRUE(settings.TestModeNotice);
    EXPECT_TRUE(settings.HistoryRepeatIgnore);
    EXPECT_TRUE(settings.updateRestartFlag);
    lines[96] = "something else";
    LoadSettings(settings, write(lines));
    EXPECT_TRUE(settings.TestModeNotice) << "a line that is neither value leaves the flag";
}

struct DependencyCase {
    const char* name;
    int governingLine;  // 1-based
    const char* governingValue;
    int dependentLine;
    bool expectChecked;
    bool expectEnabled;
};

void PrintTo(const DependencyCase& c, std::ostream* os) {
    *os << c.name;
}

class SettingDependencies : public SettingsFile,
                            public ::testing::WithParamInterface<DependencyCase> {};

TEST_P(SettingDependencies, ApplyAfterLoading) {
    const DependencyCase& c = GetParam();
    QStringList lines = shipped();
    for (int line : {12, 49, 59, 89, 93})
        lines[line - 1] = "1";
    lines[c.governingLine - 1] = c.governingValue;
    Settings settings;
    LoadSettings(settings, write(lines));
    SaveSettings(settings, path, QDate(2026, 1, 1));
    EXPECT_EQ(ReadTextLines(path)[c.dependentLine - 1], c.expectChecked ? "1" : "0");
    EXPECT_EQ(settings.enabled(c.dependentLine), c.expectEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingDependencies,
    ::testing::Values(DependencyCase{"LatvianOffUnchecksConversion", 14, "0", 49, false, false},
                      DependencyCase{"LatvianOffUnchecksEventSystem", 14, "0", 89, false, false},
                      DependencyCase{"LatvianOnKeepsEventSystem", 14, "1", 89, true, true},
                      DependencyCase{"PublicOffUnchecksAnswer", 11, "0", 12, false, false},
                      DependencyCase{"PublicOffUnchecksIntelligent", 11, "0", 93, false, false},
                      DependencyCase{"PublicOnKeepsIntelligent", 11, "1", 93, true, true},
                      DependencyCase{"ProtectContextKeepsLinkedValue", 42, "1", 59, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsPanel, TickingAGoverningBoxChecksItsDependents) {
    Settings s;
    SetChecked(s, 11, true);  // "Process Public Messages"
    EXPECT_TRUE(s.answerOnPublicMessages && s.answerOnPmIntelligentMode);
    SetChecked(s, 12, false);  // "Answer On Public Messages"
    EXPECT_FALSE(s.answerOnPmIntelligentMode);
    EXPECT_FALSE(s.enabled(93));
    SetChecked(s, 11, false);
    SetChecked(s, 12, true);
    EXPECT_FALSE(s.enabled(93)) << "its governor's governor is still clear";
    SetChecked(s, 14, true);  // "Latvian Language Mode"
    EXPECT_TRUE(s.latvianSymbolConversion && s.latvianEventSystem && s.enabled(49));
    SetChecked(s, 42, true);  // "Protect Contextual Data"
    EXPECT_FALSE(s.enabled(59));
}

TEST(SettingsPanel, EveryLineIsDeclaredOnceInItsPlace) {
    const auto& declarations = SettingDeclarations();
    ASSERT_EQ(declarations.size(), 100u);
    for (size_t i = 0; i < declarations.size(); ++i) {
        const SettingDeclaration& d = declarations[i];
        EXPECT_EQ(d.line, int(i) + 1);
        // A control has its help text; a dependency names a check box before it.
        EXPECT_EQ(QString(d.caption).isEmpty(), QString(d.help).isEmpty()) << d.line;
        if (d.dependency.rule != Dependency::Rule::None) {
            EXPECT_LT(d.dependency.line, d.line);
            EXPECT_TRUE(declarations[size_t(d.dependency.line - 1)].checkBox) << d.line;
        }
    }
}

TEST(SettingsText, WindowsBalticFileIsRead) {
    QTemporaryDir dir;
    QFile file(dir.filePath("old.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xC2\xFE\xE2la\r\nsecond\r\n");  // "Āžāla" in Windows-1257
    file.close();
    EXPECT_EQ(ReadTextLines(file.fileName()), (QStringList{"Āžāla", "second"}));
}

}  // namespace
