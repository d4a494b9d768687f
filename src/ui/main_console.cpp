#include "main_console.h"

#include <QMessageBox>
#include <QVBoxLayout>

namespace {

// Until the additional console exists its views are written to the main log.
class LogOnlyAdditionalConsole final : public AdditionalConsoleView {
  public:
    explicit LogOnlyAdditionalConsole(ConsoleView& console) : console_(console) {}
    void chatLine(const QString& line) override { console_.appendLine(line); }
    void logLine(const QString& line) override { console_.appendLine(line); }

  private:
    ConsoleView& console_;
};

const char* ColourName(ConsoleColour colour) {
    switch (colour) {
        case ConsoleColour::Red:
            return "red";
        case ConsoleColour::Green:
            return "green";
        case ConsoleColour::Lime:
            break;
    }
    return "lime";
}

}  // namespace

MainConsole::MainConsole(QWidget* parent)
    : QMainWindow(parent), log_(new QPlainTextEdit), status_(new QLabel) {
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
    layout->addWidget(status_);
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

Outside MainConsole::outside(Clock* clock, RandomSource* random, IrcSender* irc) {
    additional_ = std::make_unique<LogOnlyAdditionalConsole>(*this);
    return Outside{this, additional_.get(), this, &sounds_, irc, clock, random};
}
