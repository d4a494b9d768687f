#pragma once

#include <QString>
#include <QStringList>

class Query;

// Editing the event messages of the brain (table system_messages). Messages are stored in a
// spaced, lower-case form (« hello , [usernick] ! ») and shown in a written form («hello,
// [usernick]!»); the event names get "_en" for the English messages.

// The stored form of a message as the owner wrote or chose it.
QString StoredEventMessage(const QString& text);
// The written form of a stored message, as the message list shows it.
QString DisplayedEventMessage(const QString& stored);
// The text the message field shows for a message chosen in the list.
QString ChosenEventMessage(const QString& listed);
// A message typed for adding, its doubled marks and blanks tidied; empty when nothing is left.
QString MessageToAdd(const QString& typed);
// A message typed for removing, tidied the same way.
QString MessageToRemove(const QString& typed);

// The placeholder inserted at `caret` into `text` with a blank on each side, the blank runs then
// closed up; `caret` moves behind the inserted placeholder.
QString WithPlaceholder(const QString& text, const QString& placeholder, qsizetype& caret);

// The name of an event's rows: the Latvian rows carry the name, the English ones "_en" after it.
QString StoredEventName(const QString& event, bool latvian);

class EventEditor {
  public:
    EventEditor(Query& db, bool latvian) : db_(db), latvian_(latvian) {}

    // The events that have messages, by name, sorted.
    QStringList events();
    // The messages of the event in written form, in the order the brain returns them.
    QStringList messages(const QString& event);
    // The description of the message, empty when the brain has no such message.
    QString description(const QString& event, const QString& listed);
    // Each returns the message to show the owner.
    QString add(const QString& event, const QString& message, const QString& description);
    QString remove(const QString& event, const QString& message);
    QString modifyDescription(const QString& event, const QString& listed,
                              const QString& description);

  private:
    Query& db_;
    bool latvian_;
};

inline const QString kEventWithoutMessages =
    QStringLiteral("This event does not contain any event messages!");
