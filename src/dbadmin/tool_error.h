#pragma once

#include <QString>

#include <stdexcept>

// A database tool that could not do its work, with what it said.
class ToolError : public std::runtime_error {
  public:
    explicit ToolError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};
