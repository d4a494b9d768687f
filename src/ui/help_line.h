#pragma once

#include <QTimer>
#include <QWidget>

// The help line: one text scrolling from right to left without end. The console puts the help
// text of the control under the mouse into it; every 20 seconds it goes back to the general hint.
class HelpLine : public QWidget {
    Q_OBJECT
  public:
    explicit HelpLine(QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    // Starts the text from the right edge again, and the 20 seconds with it.
    void restart();

    QSize sizeHint() const override;

    QTimer scroolhelp;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QString text_;
    int offset_ = 0;  // how far the text has moved left from the right edge, in pixels
    QTimer step_;
};
