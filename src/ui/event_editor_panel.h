#pragma once

#include <QGroupBox>

class Engine;
class QComboBox;
class QLineEdit;

// The "Event System Message Editor" group of the settings panel: the owner lists, adds and
// removes the messages of each event and describes them; a menu of the message field inserts
// the placeholders that event messages understand.
class EventEditorPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit EventEditorPanel(Engine& engine, QWidget* parent = nullptr);

    // The events are read again and every field emptied: after "Latvian Event System" changed,
    // or after the event messages were cleared.
    void reset();

  private:
    void eventChosen();
    void messageChosen();
    void addMessage();
    void removeMessage();
    void modifyDescription();
    void showPlaceholderMenu(const QPoint& at);
    void insertPlaceholder(const QString& placeholder);
    void tell(const QString& text);

    Engine& engine_;
    QComboBox* events_;
    QComboBox* messages_;
    QLineEdit* description_;
    QLineEdit* text_;
};
