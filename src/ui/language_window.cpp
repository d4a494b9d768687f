#include "language_window.h"

#include "engine/engine.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kLatvianLanguageLine = 14;
}

bool SetLanguageMode(Settings& settings, const QString& code) {
    if (code != "en" && code != "lv") return false;
    SetChecked(settings, kLatvianLanguageLine, code == "lv");
    return true;
}

LanguageWindow::LanguageWindow(Engine& engine, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      engine_(engine),
      english_(new QRadioButton("English Language Mode")) {
    setWindowTitle("Select Language Mode");
    auto* latvian = new QRadioButton("Latvian Language Mode");
    english_->setChecked(true);
    auto* ok = new QPushButton("OK");
    ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(english_);
    layout->addWidget(latvian);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &LanguageWindow::ok);
}

void LanguageWindow::ok() {
    SetLanguageMode(engine_.state.settings, english_->isChecked() ? "en" : "lv");
    accept();
    emit chosen();
}
