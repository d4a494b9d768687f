#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <stdexcept>

// The rows of one INSERT line of an exchange file. A quoted value is text; NULL is a null
// QVariant; a number keeps its digits as text.
struct InsertLine {
    QString table;
    bool ignore = false;
    QStringList columns;
    QList<QVariantList> rows;
};

// Why an exchange file's SQL is refused, naming the line.
class ExchangeSqlError : public std::runtime_error {
  public:
    explicit ExchangeSqlError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

// The dump tool's lines from the dump of the exportable tables into an exchange file's SQL: the
// header and footer lines stay, placeholder rows go, every row loses its `index` where its table
// has one. Throws ExchangeSqlError on an INSERT line that does not parse.
QByteArray ConvertDumpForExchange(const QByteArray& dump);

// An exchange file's SQL as data: only the dump's own header and footer lines and INSERT [IGNORE]
// INTO lines for the exportable tables naming their known columns, `index` dropped. Nothing of
// the file is ever run. Throws ExchangeSqlError naming the first line that is anything else.
QList<InsertLine> ParseExchangeSql(const QByteArray& sql);
