#include "event_editor.h"

#include "brain/query.h"
#include "engine/text_rules.h"

#include <algorithm>

namespace {

void TimesTen(QString& text, std::initializer_list<Replacement> rules) {
    for (int i = 0; i < 10; ++i)
        ApplyInOrder(text, rules);
}

// The dot rule: spaced dots close up, runs of more than three become three.
void CloseUpDots(QString& text) {
    TimesTen(text, {{u" . ", u". "},
                    {u" .", u". "},
                    {u". .", u".."},
                    {u". . .", u"..."},
                    {u".......", u"..."},
                    {u"......", u"..."},
                    {u".....", u"..."},
                    {u"....", u"..."}});
}

// Blank runs become one blank; the blanks at both ends go.
QString Tidied(QString text) {
    TimesTen(text, {{u"   ", u" "}, {u"  ", u" "}});
    while (text.endsWith(' '))
        text.chop(1);
    while (text.startsWith(' '))
        text.remove(0, 1);
    return text;
}

// A description left empty says so.
QString Described(const QString& description) {
    return description.isEmpty() ? QStringLiteral("No description.") : description;
}

}  // namespace

QString StoredEventMessage(const QString& text) {
    QString s = ' ' + text.toLower() + ' ';
    ApplyInOrder(s,
                 {{u"!", u" !"}, {u"?", u" ?"}, {u",", u" , "}, {u" .", u" . "}, {u". ", u" . "}});
    TimesTen(s, {{u". . . .", u" . . . . "}, {u". . .", u" . . . "}, {u". .", u" . . "}});
    ApplyInOrder(s, {{u" :", u" : "}, {u": ", u" : "}});
    TimesTen(s, {{u"  ", u" "}, {u"   ", u" "}});
    return s;
}

QString DisplayedEventMessage(const QString& stored) {
    QString s = stored;
    ApplyInOrder(s, {{u" !", u"!"},
                     {u" ?", u"?"},
                     {u" , ", u", "},
                     {u" : ", u": "},
                     {u" :", u": "},
                     {u" . ", u". "},
                     {u" .", u". "},
                     {u"   ", u" "},
                     {u"  ", u" "}});
    CloseUpDots(s);
    ApplyInOrder(s, {{u"..", u".. "}, {u"...", u"... "}});
    CloseUpDots(s);
    return Tidied(s);
}

QString ChosenEventMessage(const QString& listed) {
    QString s = listed;
    ApplyInOrder(s, {{u" !", u"!"},
                     {u" ?", u"?"},
                     {u" , ", u", "},
                     {u" : ", u": "},
                     {u" :", u": "},
                     {u" . ", u". "},
                     {u" .", u"."}});
    return Tidied(s);
}

QString MessageToAdd(const QString& typed) {
    QString s = typed;
    ApplyInOrder(s, {{u"'''", u"'"},
                     {u"''", u"'"},
                     {u"#", u" # "},
                     {u"\"\"\"", u"\""},
                     {u"\"\"", u"\""},
                     {u":::", u":"},
                     {u"::", u":"},
                     {u" : ", u": "},
                     {u" :", u": "},
                     {u"???", u"?"},
                     {u"??", u"?"},
                     {u" ?", u"? "},
                     {u"!!!", u"!"},
                     {u"!!", u"!"},
                     {u" !", u"! "}});
    CloseUpDots(s);
    ApplyInOrder(s, {{u"..", u".. "}, {u"...", u"... "}});
    CloseUpDots(s);
    ApplyInOrder(s, {{u",,,", u","}, {u",,", u","}, {u" ,", u", "}});
    // A message of blanks alone is no message either.
    return Tidied(s);
}

QString MessageToRemove(const QString& typed) {
    QString s = typed;
    ApplyInOrder(s, {{u" ?", u"? "},
                     {u" !", u"! "},
                     {u" .", u". "},
                     {u" ,", u", "},
                     {u" : ", u": "},
                     {u" :", u": "}});
    return Tidied(s);
}

QString StoredEventName(const QString& event, bool latvian) {
    return latvian ? event : event + "_en";
}

QString WithPlaceholder(const QString& text, const QString& placeholder, qsizetype& caret) {
    const qsizetype at = std::clamp<qsizetype>(caret, 0, text.size());
    const QString inserted = text.left(at) + ' ' + placeholder + ' ';
    const QString tidied = Tidied(inserted + text.mid(at));
    // What the tidying took away in front of the caret moves it left by as much.
    caret = Tidied(inserted + 'x').size() - 1;
    return tidied;
}

QStringList EventEditor::events() {
    QStringList names;
    db_.open("SELECT DISTINCT event_name FROM system_messages");
    for (db_.first(); !db_.eof(); db_.next()) {
        QString name = db_.field("event_name");
        if (name.endsWith("_en")) name.chop(3);
        names << name;
    }
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    return names;
}

QStringList EventEditor::messages(const QString& event) {
    QStringList listed;
    db_.open("SELECT * FROM system_messages WHERE event_name=?",
             {StoredEventName(event, latvian_)});
    for (db_.first(); !db_.eof(); db_.next())
        listed << DisplayedEventMessage(db_.field("event_message"));
    return listed;
}

QString EventEditor::description(const QString& event, const QString& listed) {
    if (db_.open("SELECT * FROM system_messages WHERE event_name=? AND event_message=? LIMIT 1",
                 {StoredEventName(event, latvian_), StoredEventMessage(listed)}) == 0)
        return {};
    return db_.field("event_description");
}

QString EventEditor::add(const QString& event, const QString& message, const QString& description) {
    const QString name = StoredEventName(event, latvian_);
    const QString stored = StoredEventMessage(message);
    if (db_.open("SELECT * FROM system_messages WHERE event_name=? AND event_message=? LIMIT 1",
                 {name, stored}) > 0)
        return QStringLiteral("Event system message already exist!");
    db_.execute(
        "INSERT INTO system_messages (`event_name`, `event_description`, `event_message`) VALUES "
        "(?, ?, ?)",
        {name, Described(description), stored});
    return QStringLiteral("Event system message added.");
}

QString EventEditor::remove(const QString& event, const QString& message) {
    const qint64 removed =
        db_.execute("DELETE FROM system_messages WHERE event_name=? AND event_message=?",
                    {StoredEventName(event, latvian_), StoredEventMessage(message)});
    return removed > 0 ? QStringLiteral("Event system message removed.")
                       : QStringLiteral("Event system message does not exist!");
}

QString EventEditor::modifyDescription(const QString& event, const QString& listed,
                                       const QString& description) {
    if (db_.open("SELECT * FROM system_messages WHERE event_name=? AND event_message=? LIMIT 1",
                 {StoredEventName(event, latvian_), StoredEventMessage(listed)}) == 0)
        return QStringLiteral("Unknown error!");
    db_.execute(
        "REPLACE system_messages (`index`, `event_name`, `event_description`, `event_message`) "
        "VALUES (?, ?, ?, ?)",
        {db_.field("index"), db_.field("event_name"), Described(description),
         db_.field("event_message")});
    return QStringLiteral("Event message description modified.");
}
