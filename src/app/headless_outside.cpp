#include "headless_outside.h"

#include "engine/text_rules.h"

#include <cstdio>

void WriteStdout(const QString& line) {
    // A terminal would obey control characters that users or the brain put into a line.
    const QByteArray bytes = WithoutControls(line).toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void StdoutConsole::appendLine(const QString& line) {
    WriteStdout(line);
}

void StdoutAdditionalConsole::chatLine(const QString& line) {
    WriteStdout("chat> " + line);
}

void StdoutAdditionalConsole::logLine(const QString& line) {
    WriteStdout("log> " + line);
}

void TerminalNotifications::balloon(const QString& title, const QString& text) {
    WriteStdout(title + ": " + text);
}

void TerminalNotifications::information(const QString& text) {
    WriteStdout(text);
}

void TerminalNotifications::error(const QString& text) {
    const QByteArray bytes = WithoutControls(text, u"\t\n").toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

bool TerminalNotifications::askYesNo(const QString& text) {
    WriteStdout(text + " (answered No: no one to ask in headless mode)");
    return false;
}

int ReportJob(const JobResult& result) {
    if (!result.ok) {
        TerminalNotifications().error(FailureText(result));
        return 1;
    }
    WriteStdout(result.text);
    if (!result.detail.isEmpty()) WriteStdout(result.detail);
    return 0;
}
