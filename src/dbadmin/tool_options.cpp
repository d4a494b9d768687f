#include "tool_options.h"

#include "tool_error.h"

#include <QDir>

QString OptionFileValue(const QString& value) {
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case '\t':
                escaped += "\\t";
                break;
            case ' ':
                escaped += "\\s";
                break;
            default:
                escaped += c;
        }
    }
    // The tools end a line at a "#" outside quotes, and they take a quote inside the value as the
    // end of the quoted part, escaped or not: the value is quoted with the kind it does not hold.
    for (const QChar quote : {QChar('"'), QChar('\'')})
        if (!value.contains(quote)) return quote + escaped + quote;
    // Unquoted, a "#" would end it, and the tools would take quotes at both ends for quoting.
    const bool framed =
        value.front() == value.back() && (value.front() == '"' || value.front() == '\'');
    return value.contains('#') || framed ? QString() : escaped;
}

ToolOptions::ToolOptions(const DbConfig& config)
    : file_(QDir::tempPath() + "/talvane-tools-XXXXXX.cnf") {
    const QString password = OptionFileValue(config.password);
    if (password.isEmpty() && !config.password.isEmpty())
        throw ToolError(
            "The brain's password in Main/Database.ini cannot be handed to the database tools: it "
            "holds both kinds of quote and a \"#\", or quotes at both ends. Choose another "
            "password.");
    QStringList lines = {"[client]",
                         "host=" + OptionFileValue(config.host),
                         "port=" + QString::number(config.port),
                         "user=" + OptionFileValue(config.user),
                         "password=" + password,
                         "default-character-set=utf8mb4"};
    if (!config.socket.isEmpty()) lines << "socket=" + OptionFileValue(config.socket);
    // QTemporaryFile creates the file readable by its owner only.
    if (!file_.open() || file_.write((lines.join('\n') + '\n').toUtf8()) < 0 || !file_.flush())
        throw ToolError("Cannot write the database tools' option file " + file_.fileName() + ": " +
                        file_.errorString());
}

QStringList ToolOptions::arguments() const {
    return {"--defaults-file=" + file_.fileName()};
}
