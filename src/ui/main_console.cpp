#include "main_console.h"

#include "autostart.h"
#include "brain/query.h"
#include "clearing_panel.h"
#include "engine/console_log.h"
#include "engine/settings_saving.h"
#include "engine/text_files.h"
#include "language_window.h"
#include "nickname_box.h"
#include "settings_panel.h"
#include "skins.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace {

const char* ColourName(ConsoleColour colour) {
    switch (colour) {
        case ConsoleColour::Red:
            return "red";
        case ConsoleColour::Green:
            return "green";
        case ConsoleColour::Blue:
            return "blue";
        case ConsoleColour::Lime:
            break;
    }
    return "lime";
}

constexpr int kLonelyLine = 15, kSkinLine = 18, kAutostartLine = 26;
constexpr int kSafetyMs = 120000;
const char* const kTitle = "Q.I.V.O™";

}  // namespace

MainConsole::MainConsole(QWidget* parent)
    : QMainWindow(parent),
      log_(new QPlainTextEdit),
      status_(new QLabel),
      online_(new QLabel),
      help_(new HelpLine),
      settingsPlace_(new QWidget) {
    setWindowTitle("Q.I.V.O™ Quenmark Talvane™ - Main Console");
    setWindowIcon(ConsoleIcon(ConsoleTray::Cue::Normal));
    resize(1000, 640);
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(20000);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    log_->setStatusTip(
        "This is information output area. Doubleclick it to enable or disable vertical "
        "scrollbar.");
    log_->viewport()->installEventFilter(this);
    QFont mono("Monospace");
    mono.setStyleHint(QFont::TypeWriter);
    log_->setFont(mono);
    setColour(ConsoleColour::Lime);
    status_->setStatusTip(
        "This counter shows total number of finished NLP, remaining NLP and MMAS processes.");
    online_->setStatusTip("This timer is working when Q.I.V.O™ is online and active.");
    online_->setText(clock_.text());
    help_->setStatusTip("This is the help line: it tells what the control under the mouse does.");
    help_->setText(kWelcomeHelp);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(topBar());
    layout->addWidget(log_, 1);
    auto* labels = new QHBoxLayout;
    labels->addWidget(status_, 1);
    labels->addWidget(online_);
    layout->addLayout(labels);
    layout->addWidget(help_);
    layout->addWidget(controlRow());
    new QVBoxLayout(settingsPlace_);
    settingsPlace_->layout()->setContentsMargins(0, 0, 0, 0);
    settingsPlace_->hide();
    layout->addWidget(settingsPlace_, 3);
    setCentralWidget(central);
    setStatusLine("NLP COUNT: 0, PROCESSES REMAINING: 0/0");
    // Hidden behind the start-up checks until the start-up step readies them.
    status_->hide();
    online_->hide();

    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                &MainConsole::additionalConsoleRequested);
    connect(&tray_, &ConsoleTray::clicked, this, &MainConsole::showFromTray);
    connect(&tray_.showMain, &QAction::triggered, this, &MainConsole::showFromTray);
    connect(&tray_.showAdditional, &QAction::triggered, additional_, &QPushButton::click);
    connect(&tray_.start, &QAction::triggered, start_, &QPushButton::click);
    connect(&tray_.pause, &QAction::triggered, pause_, &QPushButton::click);
    connect(&tray_.stop, &QAction::triggered, stop_, &QPushButton::click);
    connect(&tray_.exit, &QAction::triggered, this, &QWidget::close);

    Timer1.setSingleShot(true);
    Timer1.setInterval(20000);
    connect(&Timer1, &QTimer::timeout, this, &MainConsole::Timer1Timer);
    UptimeOnline.setInterval(1000);
    connect(&UptimeOnline, &QTimer::timeout, this, &MainConsole::clockTick);
    Timer5.setSingleShot(true);
    Timer5.setInterval(1500);
    connect(&Timer5, &QTimer::timeout, this, &MainConsole::Timer5Timer);
    connect(&updates_, &UpdateCheck::finished, this, &MainConsole::updateChecked);
    safety_checker.setInterval(kSafetyMs);
    connect(&safety_checker, &QTimer::timeout, this, &MainConsole::safety_checkerTimer);
    additional_->setFocus();
}

QPushButton* MainConsole::button(const QString& caption, const QString& help) {
    auto* b = new QPushButton(caption);
    b->setStatusTip(help);
    b->setToolTip(help);
    return b;
}

QWidget* MainConsole::topBar() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* banner = new QLabel("<b>Q.I.V.O™ Quenmark Talvane™</b> - Main Console");
    banner->setStatusTip(" ");
    row->addWidget(banner, 1);
    tray_button_ = button("Tr", "Hide the main console in the tray.");
    close_ = button("X", "Close the main console: Q.I.V.O™ goes offline and the program ends.");
    row->addWidget(tray_button_);
    row->addWidget(close_);
    connect(tray_button_, &QPushButton::clicked, this, &MainConsole::hideToTray);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    return bar;
}

QWidget* MainConsole::controlRow() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    start_ = button("Start Artificial Intelect", "Launch Q.I.V.O™ online.");
    pause_ = button("Pause Artificial Intelect",
                    "Pause or resume Q.I.V.O™: while paused it answers nobody on IRC.");
    stop_ = button("Stop Artificial Intelect", "Disconnect Q.I.V.O™ from IRC server.");
    settings_button_ = button("->", "Open console configuration.");
    additional_ = button("A",
                         "Open additional console. You can also press \"ENTER\" to open "
                         "additional console at any time.");
    for (QPushButton* b : {start_, pause_, stop_}) {
        b->setEnabled(false);
        row->addWidget(b);
    }
    row->addStretch(1);
    row->addWidget(settings_button_);
    row->addWidget(additional_);
    connect(start_, &QPushButton::clicked, this, [this] {
        Timer1.stop();
        emit startRequested();
        focusA();
    });
    connect(pause_, &QPushButton::clicked, this, [this] {
        emit pauseRequested();
        focusA();
    });
    connect(stop_, &QPushButton::clicked, this, [this] {
        emit stopRequested();
        focusA();
    });
    connect(settings_button_, &QPushButton::clicked, this, &MainConsole::toggleSettings);
    connect(additional_, &QPushButton::clicked, this, [this] {
        play("tray.wav");
        emit additionalConsoleRequested();
    });
    setTabOrder(additional_, settings_button_);
    return bar;
}

void MainConsole::attach(Engine& engine) {
    engine_ = &engine;
    settings_ = new SettingsPanel(engine);
    settingsPlace_->layout()->addWidget(settings_);
    settings_->offerSkins(SkinNames(engine.home));
    ApplySkin(engine.home, engine.state.settings.consoleSkin);
    connect(settings_, &SettingsPanel::lineChanged, this, &MainConsole::settingChanged);
    connect(settings_, &SettingsPanel::checkForUpdatesRequested, this,
            &MainConsole::checkForUpdatesNow);
    quietUpdate_ = engine.state.settings.automaticUpdates;
    connect(settings_, &QTabWidget::currentChanged, this, [this] {
        play("tray.wav");
        focusA();
    });
    watchClearingWithoutKey();
    tray_.showIcon();
    DetailLine(engine,
               "A.I. > Nothing to register with a firewall here: Q.I.V.O™ only connects "
               "out to IRC and to its own brain server on 127.0.0.1.");
}

void MainConsole::watchClearingWithoutKey() {
    for (QCheckBox* box : settings_->clearingPanel()->findChildren<QCheckBox*>()) {
        if (box->text() != "Clear Without Security Key") continue;
        connect(box, &QCheckBox::clicked, this, [this](bool checked) {
            // The warnings start over at two minutes.
            safety_checker.setInterval(kSafetyMs);
            if (checked)
                engine_->out.notifications->information(
                    "It is not recommended to enable this option!");
        });
    }
}

void MainConsole::startUpStep(bool firstRun) {
    safety_checker.setInterval(kSafetyMs);
    safety_checker.start();
    status_->show();
    online_->show();
    play("ready.wav");
    const Settings& s = engine_->state.settings;
    if (s.automaticStartup && s.enableAutohideOnAutostart) hideToTray();
    // The first run asks for the language first; its OK starts the check.
    if (firstRun) {
        auto* language = new LanguageWindow(*engine_, this);
        language->setAttribute(Qt::WA_DeleteOnClose);
        connect(language, &LanguageWindow::chosen, this, [this] {
            settings_->showSettings();
            Timer5.start();
        });
        language->show();
    } else {
        Timer5.start();
    }
    Timer1.start();
}

void MainConsole::Timer5Timer() {
    Settings& s = engine_->state.settings;
    const QString month = engine_->out.clock->now().date().toString("MM");
    if (month != s.lastSaveMonth &&
        (s.automaticUpdates || engine_->out.notifications->askYesNo("Check for program updates?")))
        checkForUpdates();
    Timer1.start();
}

void MainConsole::checkForUpdatesNow() {
    if (!engine_->out.notifications->askYesNo("Check for program updates now?")) return;
    quietUpdate_ = false;
    offlineNotices_ = 0;
    checkForUpdates();
}

void MainConsole::checkForUpdates() {
    const QString hub = engine_->state.settings.hubServerAddress.trimmed();
    if (hub.isEmpty()) {
        ConsoleLine(*engine_,
                    "A.I. > No Q.I.V.O™ Hub Server™ address is set: updates are not checked.");
        return;
    }
    QString command;
    try {
        command = ReadTextLines(engine_->home.path("Main/Update.dat")).value(2);
    } catch (const TextFileError&) {
        // Without the file the update command is empty.
    }
    ConsoleLine(*engine_, "A.I. > Update command: " + command);
    ConsoleLine(*engine_, "A.I. > Please wait!");
    ConsoleLine(*engine_, "A.I. > Checking for Q.I.V.O™ update(s)..");
    updates_.CheckForUpdates(MetaAddress(hub),
                             LocalVersion(engine_->home, QCoreApplication::applicationVersion()));
}

void MainConsole::updateChecked(const UpdateOutcome& outcome) {
    for (const QString& line : UpdateLines(outcome))
        ConsoleLine(*engine_, line);
    if (quietUpdate_) return;
    // The offline message is shown once for each press of the button.
    if (outcome.kind == UpdateOutcome::Kind::Failed && ++offlineNotices_ > 1) return;
    engine_->out.notifications->information(UpdateMessage(outcome));
}

void MainConsole::appendLine(const QString& line) {
    log_->appendPlainText(line);
}

void MainConsole::clear() {
    log_->clear();
}

void MainConsole::setColour(ConsoleColour colour) {
    // A cycle at work shows in the tray too.
    if (colour == ConsoleColour::Red) tray_.cue(ConsoleTray::Cue::Activity);
    log_->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background: black; color: %1; }").arg(ColourName(colour)));
}

void MainConsole::setStatusLine(const QString& status) {
    status_->setText(status);
}

void MainConsole::balloon(const QString& title, const QString& text) {
    if (!tray_.available()) return appendLine(title + ": " + text);
    tray_.balloon(title, text, false);
}

void MainConsole::information(const QString& text) {
    QMessageBox::information(this, kTitle, text);
}

void MainConsole::error(const QString& text) {
    QMessageBox::critical(this, kTitle, text);
}

bool MainConsole::askYesNo(const QString& text) {
    return QMessageBox::question(this, kTitle, text) == QMessageBox::Yes;
}

Outside MainConsole::outside(Clock* clock, RandomSource* random,
                             AdditionalConsoleView* additional) {
    return Outside{this, additional, this, &sounds_, nullptr, clock, random};
}

void MainConsole::showOnlineControls(const OnlineControls& controls) {
    start_->setEnabled(controls.startEnabled);
    pause_->setEnabled(controls.pauseEnabled);
    stop_->setEnabled(controls.stopEnabled);
    pause_->setText(controls.paused ? "Resume Artificial Intelect" : "Pause Artificial Intelect");
    tray_.showControls(controls);
    // The clock runs from the connection to the stop or pause, counting the seconds online.
    onlineOffered_ = controls.stopEnabled && !controls.paused;
    if (onlineOffered_ && !UptimeOnline.isActive()) UptimeOnline.start();
    tray_.setStatus(connected(), engine_ ? engine_->state.settings.ircServer : QString());
}

void MainConsole::clockTick() {
    if (!onlineOffered_) return UptimeOnline.stop();
    if (!connected()) return;
    clock_.tick();
    online_->setText(clock_.text());
}

bool MainConsole::connected() const {
    return engine_ && engine_->out.irc->IsConnected();
}

void MainConsole::play(const QString& sound) {
    if (engine_) PlayCue(*engine_, sound);
}

void MainConsole::focusA() {
    additional_->setFocus();
}

void MainConsole::toggleSettings() {
    const bool open = !settingsPlace_->isVisible();
    NicknameBox* nickname = settings_->nicknameBox();
    if (open) {
        play("startai.wav");
        // The box writes through to the settings, whose nickname is never empty.
        const QString kept = engine_->state.settings.nickname;
        nickname->refresh();
        engine_->state.settings.nickname = kept;
        settings_->showSettings();
    } else {
        play("stopai.wav");
        SaveOwnersSettings(*engine_);
        DetailLine(*engine_, "A.I. > Configuration saved.");
    }
    settingsPlace_->setVisible(open);
    settings_button_->setText(open ? "<-" : "->");
    const QString help = open ? "Close console configuration." : "Open console configuration.";
    settings_button_->setStatusTip(help);
    settings_button_->setToolTip(help);
    focusA();
}

void MainConsole::hideToTray() {
    play("tray.wav");
    if (tray_.available())
        hide();
    else
        showMinimized();
}

void MainConsole::showFromTray() {
    const bool wasActive = isActiveWindow();
    showNormal();
    raise();
    activateWindow();
    focusA();
    if (!wasActive) play("tray.wav");
}

void MainConsole::settingChanged(int line) {
    const Settings& s = engine_->state.settings;
    if (line == kSkinLine && !ApplySkin(engine_->home, s.consoleSkin))
        ConsoleLine(*engine_, "A.I. > Cannot read the skin \"" + s.consoleSkin + "\".");
    if (line == kLonelyLine) emit lonelyTalkingSwitched(s.allowLonelyTalking);
    if (line != kAutostartLine) return;
    Notifications& ask = *engine_->out.notifications;
    const bool start =
        s.automaticStartup &&
        ask.askYesNo(
            "Automatic Q.I.V.O™ startup online enabled. Do you also want to start main "
            "console automatically when Windows starts?");
    const bool done =
        start ? WriteAutostartEntry(QCoreApplication::applicationFilePath(), engine_->home.root())
              : RemoveAutostartEntry();
    if (!done) ConsoleLine(*engine_, "A.I. > Cannot change " + AutostartEntryPath() + ".");
}

void MainConsole::Timer1Timer() {
    const Settings& s = engine_->state.settings;
    const QString month = engine_->out.clock->now().date().toString("MM");
    if (!s.showNotifications || connected() || month == s.lastSaveMonth) return;
    engine_->out.notifications->balloon(kTitle,
                                        "Artificial Intelect is still offline. It means "
                                        "that nobody can talk with \"" +
                                            s.nickname +
                                            "\". Is recommended to \"Start Artificial "
                                            "Intelect\".");
    play("alert.wav");
}

void MainConsole::safety_checkerTimer() {
    const Settings& s = engine_->state.settings;
    if (!s.clearWithoutSecurityKey || !s.showNotifications) return;
    const QString warning =
        "Current program configuration is not safe and can cause problems. It is recommended to "
        "check current program configuration and set unsafe options to safe defaults.";
    if (tray_.available())
        tray_.balloon(kTitle, warning, true);
    else
        engine_->out.notifications->balloon(kTitle, warning);
    safety_checker.setInterval(safety_checker.interval() * 2);
    play("alert.wav");
}

void MainConsole::closingSteps() {
    if (!engine_) return;
    if (!connected()) play("stopai.wav");
    if (engine_->state.databaseReady) {
        try {
            engine_->db.execute("TRUNCATE TABLE users_online");
        } catch (const std::exception& e) {
            ConsoleLine(*engine_, QString::fromUtf8(e.what()));
        }
    }
    SaveOwnersSettings(*engine_);
}

void MainConsole::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) return;
    closed_ = true;
    closingSteps();
    emit closing();
}

bool MainConsole::event(QEvent* event) {
    // The help text of the control under the mouse goes to the help line; leaving a control
    // (an empty tip) keeps the text, a blank tip only restarts the scrolling.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip == " ") help_->restart();
        if (!tip.trimmed().isEmpty()) help_->setText(tip);
        return true;
    }
    return QMainWindow::event(event);
}

bool MainConsole::eventFilter(QObject* watched, QEvent* event) {
    if (watched == log_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const bool on = log_->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOn;
        log_->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        if (!on) appendLine(" ");
        focusA();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
