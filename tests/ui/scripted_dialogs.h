#pragma once

#include "ui/exchange_manager.h"

// The manager's questions answered from a script, and everything it said.
class ScriptedDialogs final : public ManagerDialogs {
  public:
    bool ask(const QString& question) override {
        asked << question;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    void tell(const QString& text) override { told << text; }
    std::optional<QString> prompt(const QString& label, const QString& text) override {
        prompted << label + " [" + text + "]";
        if (typed.isEmpty()) return std::nullopt;
        return typed.takeFirst();
    }
    QList<bool> answers;
    QStringList typed, asked, told, prompted;
};
