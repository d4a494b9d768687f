#pragma once

#include <QHash>
#include <QTabWidget>

class ClearingPanel;
class Engine;
class EventEditorPanel;
class NicknameBox;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QVBoxLayout;

// The settings tabs of the main console: "Main Configuration", "IRC Security Configuration" and
// "NLP Configuration" are built from the one declaration of the settings, a control per line that
// has a caption; "Event System Message Editor" and "Maintenance" host their panels. Every control
// writes through to the engine's settings as the owner changes it; the file is written when the
// console saves.
class SettingsPanel : public QTabWidget {
    Q_OBJECT
  public:
    explicit SettingsPanel(Engine& engine, QWidget* parent = nullptr);

    // Shows the engine's settings again, with the dependent boxes enabled as their rules say.
    void showSettings();
    // The skin names the "Console Skin" list offers.
    void offerSkins(const QStringList& names);

    // Puts the brain's maintenance buttons at the top of the "Maintenance" tab.
    void hostMaintenance(QWidget* panel);

    NicknameBox* nicknameBox() const { return nickname_; }
    ClearingPanel* clearingPanel() const { return clearing_; }

  signals:
    // The owner changed the setting of `line` through its control.
    void lineChanged(int line);
    void checkForUpdatesRequested();

  private:
    QWidget* declaredTab(int first, int last);
    QWidget* maintenanceTab();
    QWidget* control(int line);
    QWidget* textControl(int line);
    void boxClicked(int line, bool checked);
    // The sub-option of a box asked when it is checked ("Enable online notice?").
    void askSubOption(int line, bool checked);
    void showSubOptionHint(int line);
    void textEdited(int line, const QString& text);

    Engine& engine_;
    QHash<int, QCheckBox*> boxes_;
    QHash<int, QLineEdit*> edits_;
    NicknameBox* nickname_ = nullptr;
    QComboBox* skins_ = nullptr;
    ClearingPanel* clearing_ = nullptr;
    EventEditorPanel* events_ = nullptr;
    QVBoxLayout* maintenance_ = nullptr;
};

// The help text of every declared control, by line; the console shows them in its help line.
QString SettingHelp(int line);
