#include "console_tray.h"

#include "engine/outside.h"

#include <QPainter>

QIcon ConsoleIcon(ConsoleTray::Cue cue) {
    QColor colour(0, 170, 0);
    if (cue == ConsoleTray::Cue::Activity) colour = QColor(220, 0, 0);
    if (cue == ConsoleTray::Cue::Warning) colour = QColor(230, 160, 0);
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool inverted = cue == ConsoleTray::Cue::Input;
    painter.setBrush(inverted ? colour : Qt::black);
    painter.setPen(QPen(colour, 5));
    painter.drawEllipse(pixmap.rect().adjusted(3, 3, -3, -3));
    if (inverted) painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(38);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, "Q");
    return QIcon(pixmap);
}

ConsoleTray::ConsoleTray(QObject* parent) : QObject(parent) {
    for (QAction* action : {&start, &pause, &stop})
        action->setEnabled(false);
    menu_.addActions({&start, &pause, &stop});
    menu_.addSeparator();
    menu_.addActions({&showMain, &showAdditional});
    menu_.addSeparator();
    menu_.addAction(&exit);
    icon_.setContextMenu(&menu_);
    icon_.setIcon(ConsoleIcon(Cue::Normal));
    setStatus(false, {});
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) emit clicked();
    });
    Iconic.setSingleShot(true);
    Iconic.setInterval(250);
    connect(&Iconic, &QTimer::timeout, this, [this] { icon_.setIcon(ConsoleIcon(Cue::Normal)); });
}

bool ConsoleTray::available() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void ConsoleTray::showIcon() {
    if (available()) icon_.show();
}

void ConsoleTray::balloon(const QString& title, const QString& text, bool warning) {
    icon_.showMessage(title, text,
                      warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information, 10000);
    cue(warning ? Cue::Warning : Cue::Activity);
}

void ConsoleTray::cue(Cue cue) {
    icon_.setIcon(ConsoleIcon(cue));
    if (cue != Cue::Normal) Iconic.start();
}

void ConsoleTray::showControls(const OnlineControls& controls) {
    start.setEnabled(controls.startEnabled);
    pause.setEnabled(controls.pauseEnabled);
    stop.setEnabled(controls.stopEnabled);
    pause.setText(controls.paused ? "Resume Artificial Intelect" : "Pause Artificial Intelect");
}

void ConsoleTray::setStatus(bool online, const QString& server) {
    icon_.setToolTip(online ? "Q.I.V.O™ status: online " + server
                            : "Q.I.V.O™ status: offline (local mode)");
}
