#include "help_line.h"

#include <QPainter>

namespace {
const char* const kGeneralHint =
    "This information field provide help for any object in form and some useful tips.";
}

HelpLine::HelpLine(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    scroolhelp.setInterval(20000);
    connect(&scroolhelp, &QTimer::timeout, this, [this] { setText(kGeneralHint); });
    scroolhelp.start();
    step_.setInterval(30);
    connect(&step_, &QTimer::timeout, this, [this] {
        offset_ += 2;
        if (offset_ > width() + fontMetrics().horizontalAdvance(text_)) offset_ = 0;
        update();
    });
}

// The text moves only while someone can see it: a console in the tray wakes nobody.
void HelpLine::showEvent(QShowEvent* event) {
    step_.start();
    QWidget::showEvent(event);
}

void HelpLine::hideEvent(QHideEvent* event) {
    step_.stop();
    QWidget::hideEvent(event);
}

void HelpLine::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    setToolTip(text);
    restart();
}

void HelpLine::restart() {
    // The text starts readable at the left edge, then moves on to the left.
    offset_ = width();
    scroolhelp.start();
    update();
}

QSize HelpLine::sizeHint() const {
    return {200, fontMetrics().height() + 6};
}

void HelpLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawText(rect().adjusted(width() - offset_, 0, 0, 0),
                     Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine | Qt::TextDontClip,
                     text_);
}
