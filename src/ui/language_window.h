#pragma once

#include <QDialog>

class Engine;
class QRadioButton;
struct Settings;

// Sets the three language switches: "Latvian Language Mode" with "Latvian Event System" and
// "Latvian Symbol Conversion", which follow it. `code` is "en" or "lv"; false for any other.
bool SetLanguageMode(Settings& settings, const QString& code);

// The window of the first run: English or Latvian, and OK.
class LanguageWindow : public QDialog {
    Q_OBJECT
  public:
    explicit LanguageWindow(Engine& engine, QWidget* parent = nullptr);

  signals:
    // OK was pressed and the switches set: the monthly update check may start.
    void chosen();

  private:
    void ok();

    Engine& engine_;
    QRadioButton* english_;
};
