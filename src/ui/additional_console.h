#pragma once

#include "engine/outside.h"

#include <QWidget>

class Engine;
class QCheckBox;
class QComboBox;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QStringListModel;

// The owner's local chat window: the chat view (what the owner typed and what the character
// answered, and unless "Show Only Local Chat" what was said on IRC), the log view (engine lines
// other parts send here), a one-line input over a sorted history of earlier inputs, and a strip
// of buttons. The window lives as long as the program; closing it only hides it.
class AdditionalConsole : public QWidget, public AdditionalConsoleView {
    Q_OBJECT
  public:
    explicit AdditionalConsole(QWidget* parent = nullptr);

    void chatLine(const QString& line) override;
    void logLine(const QString& line) override;
    void showChatView() override;

    // Binds the window to the engine once the settings are loaded: the two boxes, the skin and
    // the input history of Main/Lih.dat.
    void attach(Engine& engine);
    // Writes the input history back to Main/Lih.dat.
    void saveHistory();
    // Shows the window, centred on the screen the first time.
    void showWindow();

  signals:
    // The owner's phrase went to the cycle.
    void phraseTaken();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void sendLocalPhrase();
    void remember(const QString& phrase);
    void showView(QPlainTextEdit* view);
    void toggleViewMode();
    void applyViewMode(bool fullScreen);
    void toggleScrollBar(QPlainTextEdit* view);
    void toggleHistoryStyle();
    void showOnlyLocalChatClicked(bool checked);
    void useLocalInputHistoryClicked(bool checked);
    void setViewsColour(const QString& colour);
    void cue(const QString& file);

    Engine* engine_ = nullptr;
    QStackedWidget* views_;
    QPlainTextEdit* chat_;
    QPlainTextEdit* output_;
    QComboBox* input_;
    QListView* history_;
    QStringListModel* historyItems_;
    QCheckBox* onlyLocal_;
    QCheckBox* useHistory_;
    QPushButton* viewMode_;
    bool fullScreen_ = false;
    bool shownBefore_ = false;
};
