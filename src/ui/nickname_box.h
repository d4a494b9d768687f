#pragma once

#include <QComboBox>

class Engine;
class QLineEdit;

// The box of the character's nickname: its list holds the candidate nicknames of the brain, its
// menu adds or removes the one typed, a double click draws one at random. It drops what an IRC
// nickname may not hold while it is typed.
class NicknameBox : public QComboBox {
    Q_OBJECT
  public:
    explicit NicknameBox(Engine& engine, QWidget* parent = nullptr);

    // Reads the list again from the brain.
    void refresh();
    void addEntry();
    void removeEntry();
    void drawName();

  protected:
    // A double click lands on the box's text field.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showMenu(const QPoint& at);

    Engine& engine_;
};

// Keeps a nickname field free of what an IRC nickname may not hold (the owner's nickname).
void FilterNickTyping(QLineEdit* field);
