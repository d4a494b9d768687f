#include "please_wait.h"

#include "dbadmin/maintenance_texts.h"
#include "engine/outside.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

PleaseWaitWindow::PleaseWaitWindow(ConsoleView* console, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      console_(console) {
    setWindowTitle("Q.I.V.O™ Quenmark Talvane™");
    auto* heading = new QLabel("PLEASE WAIT..");
    QFont big = heading->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignCenter);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    status_ = new QLabel(kStatusPreparing);
    status_->setObjectName("status_text");
    status_->setStyleSheet("font-weight: bold; color: green;");
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(new QLabel("Status:"));
    statusRow->addWidget(status_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(line);
    layout->addLayout(statusRow);
    setFixedSize(340, 130);
}

void PleaseWaitWindow::status(const QString& text) {
    status_->setText(text);
    status_->repaint();
}

void PleaseWaitWindow::report(const QString& line) {
    if (console_) console_->appendLine("A.I. > " + line);
}

void PleaseWaitWindow::open() {
    show();
    raise();
    repaint();
    wait(2000);
}

void PleaseWaitWindow::finish() {
    if (!isVisible()) return;
    wait(1000);
    hide();
}

QString PleaseWaitWindow::statusText() const {
    return status_->text();
}
