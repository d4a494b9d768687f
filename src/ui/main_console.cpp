#include "main_console.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QShortcut>
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

}  // namespace

MainConsole::MainConsole(QWidget* parent)
    : QMainWindow(parent),
      log_(new QPlainTextEdit),
      status_(new QLabel),
      start_(new QPushButton("Start Artificial Intelect")),
      pause_(new QPushButton("Pause Artificial Intelect")),
      stop_(new QPushButton("Stop Artificial Intelect")) {
    setWindowTitle("Q.I.V.O™ Quenmark Talvane™");
    resize(900, 560);
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(20000);
    QFont mono("Monospace");
    mono.setStyleHint(QFont::TypeWriter);
    log_->setFont(mono);
    setColour(ConsoleColour::Lime);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(log_);
    auto* controls = new QHBoxLayout;
    start_->setToolTip("Launch Q.I.V.O™ online.");
    pause_->setToolTip("Pause or resume Q.I.V.O™: while paused it answers nobody on IRC.");
    stop_->setToolTip("Disconnect Q.I.V.O™ from IRC server.");
    for (QPushButton* button : {start_, pause_, stop_}) {
        button->setEnabled(false);
        controls->addWidget(button);
    }
    controls->addStretch(1);
    connect(start_, &QPushButton::clicked, this, &MainConsole::startRequested);
    connect(pause_, &QPushButton::clicked, this, &MainConsole::pauseRequested);
    connect(stop_, &QPushButton::clicked, this, &MainConsole::stopRequested);
    layout->addLayout(controls);
    auto* strip = new QHBoxLayout;
    strip->addWidget(status_, 1);
    auto* additional = new QPushButton("A");
    additional->setToolTip("Additional Console");
    connect(additional, &QPushButton::clicked, this, &MainConsole::additionalConsoleRequested);
    strip->addWidget(additional);
    layout->addLayout(strip);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                &MainConsole::additionalConsoleRequested);
    setCentralWidget(central);
    setStatusLine("NLP COUNT: 0, PROCESSES REMAINING: 0/0");
}

void MainConsole::appendLine(const QString& line) {
    log_->appendPlainText(line);
}

void MainConsole::clear() {
    log_->clear();
}

void MainConsole::setColour(ConsoleColour colour) {
    log_->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background: black; color: %1; }").arg(ColourName(colour)));
}

void MainConsole::setStatusLine(const QString& status) {
    status_->setText(status);
}

void MainConsole::balloon(const QString& title, const QString& text) {
    appendLine(title + ": " + text);
}

void MainConsole::information(const QString& text) {
    QMessageBox::information(this, "Q.I.V.O™", text);
}

void MainConsole::error(const QString& text) {
    QMessageBox::critical(this, "Q.I.V.O™", text);
}

bool MainConsole::askYesNo(const QString& text) {
    return QMessageBox::question(this, "Q.I.V.O™", text) == QMessageBox::Yes;
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
}

void MainConsole::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing();
}
