#pragma once

#include <QTimer>
#include <QWidget>

class BrainHold;
class Engine;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
struct ClearingArea;

// The clearing part of the "Maintenance" tab: one button per area of the brain, and the
// confirmation key with the criteria. The key changes every 30 seconds and after every clear.
class ClearingPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ClearingPanel(Engine& engine, QWidget* parent = nullptr);

    const QString& key() const { return key_; }
    // What steps aside while a clear has the brain: the session's timers.
    void setHold(BrainHold* hold) { hold_ = hold; }
    // Draws a new key, shows it and empties the key field.
    void NewClearingKey();

    QTimer clssecurity;

  signals:
    // Before a clear: the character leaves IRC first.
    void stopRequested();
    // The event messages were cleared: the editor shows none.
    void eventMessagesCleared();

  private:
    QWidget* cleanupGroup();
    QWidget* criteriaGroup();
    void clear(const ClearingArea& area);
    // The criteria fields write through to the settings they are saved with.
    void keepCriteria();

    Engine& engine_;
    BrainHold* hold_ = nullptr;
    QString key_;
    QLabel* keyLabel_;
    QLineEdit* keyField_;
    QCheckBox *withoutKey_, *byDate_, *byTeacher_;
    QComboBox *day_, *month_, *year_, *hour_, *minute_;
    QLineEdit* teacher_;
};
