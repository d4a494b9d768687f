#include "busy_mode.h"

#include "please_wait.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace {

void TrayListens(QSystemTrayIcon* tray, bool listens) {
    if (!tray) return;
    tray->blockSignals(!listens);
    if (tray->contextMenu()) tray->contextMenu()->setEnabled(listens);
}

}  // namespace

BusyMode::BusyMode(const BusyScene& scene, PleaseWaitWindow& window, const QString& status,
                   bool showWindow)
    : scene_(scene), window_(window) {
    window_.status(status);
    for (QWidget* console : {scene_.additionalConsole.data(), scene_.mainConsole.data()})
        if (console) console->hide();
    TrayListens(scene_.tray, false);
    window_.wait(1200);
    if (showWindow) window_.open();
}

BusyMode::~BusyMode() {
    if (window_.isVisible()) window_.hide();
    TrayListens(scene_.tray, true);
    if (scene_.mainConsole) {
        scene_.mainConsole->show();
        scene_.mainConsole->raise();
        scene_.mainConsole->activateWindow();
    }
}
