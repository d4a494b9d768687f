#include "settings.h"

#include "text_files.h"

#include <QFile>

#include <type_traits>
#include <variant>

namespace {

// A line's kind bound to its field.
template <class Kind>
struct Bound {
    Kind kind;
    typename SettingField<Kind>::type Settings::*field;
    typename SettingField<Kind>::type value;  // the declared value
};
using Binding =
    std::variant<Bound<Check>, Bound<Text>, Bound<Number>, Bound<Literal>, Bound<SaveMonth>>;

struct Line {
    SettingDeclaration declaration;
    Binding binding;
};

const std::vector<Line>& Lines() {
#define TALVANE_SETTING_LINE(line, kind, field, caption, value, dependency, help)  \
    Line{{line, caption, dependency, help, std::is_same_v<decltype(kind), Check>}, \
         Bound<decltype(kind)>{kind, &Settings::field, value}},
    static const std::vector<Line> lines = {TALVANE_SETTINGS(TALVANE_SETTING_LINE)};
#undef TALVANE_SETTING_LINE
    return lines;
}

const Line& LineOf(int line) {
    return Lines().at(size_t(line - 1));
}

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

void Apply(Settings& s, const Binding& binding, const QString& text) {
    std::visit(Overloaded{
                   [&](const Bound<Check>& b) {
                       if (text == "1") s.*b.field = true;
                       if (text == "0") s.*b.field = false;
                   },
                   [&](const Bound<Text>& b) { s.*b.field = text.isEmpty() ? b.value : text; },
                   [&](const Bound<Number>& b) {
                       const int number = SettingNumber(text, b.value);
                       s.*b.field = number < b.kind.min || number > b.kind.max ? b.value : number;
                   },
                   [&](const Bound<Literal>& b) {
                       if (text == b.kind.setText) s.*b.field = true;
                       if (text == b.kind.clearText) s.*b.field = false;
                   },
                   [&](const Bound<SaveMonth>& b) { s.*b.field = text; },
               },
               binding);
}

QString LineText(const Settings& s, const Binding& binding, QDate today) {
    return std::visit(Overloaded{
                          [&](const Bound<Check>& b) { return QString(s.*b.field ? "1" : "0"); },
                          [&](const Bound<Text>& b) { return s.*b.field; },
                          [&](const Bound<Number>& b) { return QString::number(s.*b.field); },
                          [&](const Bound<Literal>& b) {
                              return QString(s.*b.field ? b.kind.setText : b.kind.clearText);
                          },
                          [&](const Bound<SaveMonth>&) { return today.toString("MM"); },
                      },
                      binding);
}

// The box of a check-box line; the dependency rules name only check boxes.
bool Settings::*Box(int line) {
    return std::get<Bound<Check>>(LineOf(line).binding).field;
}

// Any control byte but the line ends: what a text file of settings never holds.
bool HoldsControlBytes(const QStringList& lines) {
    for (const QString& line : lines)
        for (const QChar c : line)
            if (c.category() == QChar::Other_Control && c != u'\t') return true;
    return false;
}

}  // namespace

const std::vector<SettingDeclaration>& SettingDeclarations() {
    static const std::vector<SettingDeclaration> declarations = [] {
        std::vector<SettingDeclaration> all;
        for (const Line& line : Lines())
            all.push_back(line.declaration);
        return all;
    }();
    return declarations;
}

QString SettingLineText(const Settings& settings, int line, QDate today) {
    return LineText(settings, LineOf(line).binding, today);
}

void SetSettingLine(Settings& settings, int line, const QString& text) {
    Apply(settings, LineOf(line).binding, text);
}

int SettingNumber(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

bool Settings::enabled(int line) const {
    const Dependency d = LineOf(line).declaration.dependency;
    switch (d.rule) {
        case Dependency::Rule::Follows:
            return enabled(d.line) && this->*Box(d.line);
        case Dependency::Rule::DisabledBy:
            return !(this->*Box(d.line));
        case Dependency::Rule::None:
            break;
    }
    return true;
}

void SetChecked(Settings& settings, int line, bool checked) {
    settings.*Box(line) = checked;
    for (const Line& dependent : Lines()) {
        const Dependency d = dependent.declaration.dependency;
        if (d.rule == Dependency::Rule::Follows && d.line == line)
            SetChecked(settings, dependent.declaration.line, checked);
    }
}

void ApplySettingDependencies(Settings& settings) {
    // Governing lines come before the lines that follow them, so one pass settles a chain.
    for (const Line& dependent : Lines()) {
        const Dependency d = dependent.declaration.dependency;
        if (d.rule == Dependency::Rule::Follows && !(settings.*Box(d.line)))
            settings.*Box(dependent.declaration.line) = false;
    }
}

SettingsFileShape LoadSettings(Settings& settings, const QString& path) {
    QStringList lines;
    try {
        lines = ReadTextLines(path);
    } catch (const TextFileError& e) {
        throw SettingsFileError(e.what());
    }
    for (int line = 1; line <= 100; ++line)
        SetSettingLine(settings, line, lines.value(line - 1));
    ApplySettingDependencies(settings);
    return SettingsFileShape{lines.size(), !HoldsControlBytes(lines)};
}

QString KeepDamagedSettings(const QString& path, const SettingsFileShape& shape) {
    const QString copy = path + ".damaged";
    QFile::remove(copy);
    const bool kept = QFile::copy(path, copy);
    return QStringLiteral(
               "Warning! The settings file %1 holds %2 lines%3 instead of 100 lines of text. "
               "Lines that cannot be read keep their design values. %4")
        .arg(path)
        .arg(shape.lines)
        .arg(shape.text ? "" : ", some of them not text")
        .arg(kept ? "The file as it was is kept as " + copy + "."
                  : "The file as it was could not be kept as " + copy + ".");
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
    for (int line = 1; line <= 100; ++line)
        lines << SettingLineText(settings, line, today);
    try {
        WriteTextLines(path, lines);
    } catch (const TextFileError& e) {
        throw SettingsFileError(e.what());
    }
}
