#include "exchange_sql.h"

#include "brain/text_decoding.h"
#include "exchange_items.h"

#include <QRegularExpression>

namespace {

// Reads one INSERT line left to right; every step either takes what it expects or fails.
class InsertReader {
  public:
    explicit InsertReader(const QString& line) : s_(line) {}

    InsertLine read() {
        InsertLine insert;
        word("INSERT");
        insert.ignore = tryWord("IGNORE");
        word("INTO");
        insert.table = identifier();
        expect('(');
        do
            insert.columns << identifier();
        while (tryChar(','));
        expect(')');
        word("VALUES");
        do
            insert.rows << row(insert.columns.size());
        while (tryChar(','));
        expect(';');
        skipBlanks();
        if (i_ != s_.size()) fail("text after the statement");
        return insert;
    }

  private:
    [[noreturn]] void fail(const QString& what) { throw ExchangeSqlError(what); }
    void skipBlanks() {
        while (i_ < s_.size() && s_[i_].isSpace())
            ++i_;
    }
    bool tryChar(QChar c) {
        skipBlanks();
        if (i_ < s_.size() && s_[i_] == c) return ++i_, true;
        return false;
    }
    void expect(QChar c) {
        if (!tryChar(c)) fail(QStringLiteral("\"%1\" expected").arg(c));
    }
    bool tryWord(const QString& w) {
        skipBlanks();
        if (s_.mid(i_, w.size()).compare(w, Qt::CaseInsensitive) != 0) return false;
        const qsizetype end = i_ + w.size();
        if (end < s_.size() && (s_[end].isLetterOrNumber() || s_[end] == '_')) return false;
        i_ = end;
        return true;
    }
    void word(const QString& w) {
        if (!tryWord(w)) fail(w + " expected");
    }
    QString identifier() {
        skipBlanks();
        static const QRegularExpression name("\\G(`([A-Za-z0-9_]+)`|([A-Za-z_][A-Za-z0-9_]*))");
        const QRegularExpressionMatch m = name.match(s_, i_);
        if (!m.hasMatch()) fail("a name expected");
        i_ = m.capturedEnd();
        return m.captured(2).isEmpty() ? m.captured(3) : m.captured(2);
    }
    QVariantList row(qsizetype width) {
        expect('(');
        QVariantList values;
        do
            values << value();
        while (tryChar(','));
        expect(')');
        if (values.size() != width) fail("the row's values do not match its columns");
        return values;
    }
    QVariant value() {
        skipBlanks();
        if (tryWord("NULL")) return QVariant();
        if (i_ < s_.size() && s_[i_] == '\'') return quoted();
        static const QRegularExpression number("\\G-?[0-9]+(\\.[0-9]+)?([eE][-+]?[0-9]+)?");
        const QRegularExpressionMatch m = number.match(s_, i_);
        if (!m.hasMatch()) fail("a value expected");
        i_ = m.capturedEnd();
        return m.captured();
    }
    // A quoted string as the server reads it: backslash escapes and doubled quotes.
    QString quoted() {
        QString text;
        for (++i_; i_ < s_.size(); ++i_) {
            const QChar c = s_[i_];
            if (c == '\'') {
                if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
                    text += '\'';
                    ++i_;
                    continue;
                }
                ++i_;
                return text;
            }
            if (c != '\\' || i_ + 1 >= s_.size()) {
                text += c;
                continue;
            }
            const QChar e = s_[++i_];
            switch (e.unicode()) {
                case '0':
                    text += QChar(0);
                    break;
                case 'n':
                    text += '\n';
                    break;
                case 'r':
                    text += '\r';
                    break;
                case 't':
                    text += '\t';
                    break;
                case 'b':
                    text += '\b';
                    break;
                case 'Z':
                    text += QChar(0x1A);
                    break;
                // The server keeps these two escaped, for LIKE.
                case '%':
                case '_':
                    text += '\\' + QString(e);
                    break;
                default:
                    text += e;
            }
        }
        fail("a quoted value is not closed");
    }

    QString s_;
    qsizetype i_ = 0;
};

// The value as the dump tool writes it.
QString Literal(const QVariant& value) {
    if (value.isNull()) return "NULL";
    const QString text = value.toString();
    if (value.userType() != QMetaType::QString) return text;
    QString out = "'";
    for (const QChar c : text) {
        switch (c.unicode()) {
            case 0:
                out += "\\0";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case 0x1A:
                out += "\\Z";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\'':
                out += "\\'";
                break;
            case '"':
                out += "\\\"";
                break;
            default:
                out += c;
        }
    }
    return out + '\'';
}

QString FormatInsert(const InsertLine& insert) {
    QStringList rows;
    for (const QVariantList& row : insert.rows) {
        QStringList values;
        for (const QVariant& value : row)
            values << Literal(value);
        rows << '(' + values.join(',') + ')';
    }
    return QString(insert.ignore ? "INSERT IGNORE INTO `" : "INSERT INTO `") + insert.table +
           "` (`" + insert.columns.join("`, `") + "`) VALUES " + rows.join(',') + ';';
}

bool IsInsertLine(const QString& line) {
    static const QRegularExpression insert("^\\s*INSERT\\b",
                                           QRegularExpression::CaseInsensitiveOption);
    return insert.match(line).hasMatch();
}

// The lines the dump tool writes around the rows: settings it saves and restores, table locks,
// key switches and comments. An exchange file may carry them; nothing of them is ever run.
bool IsFrameLine(const QString& line) {
    static const QString table = "`([a-z_]+)`";
    static const QString setting =
        "@{0,2}[A-Za-z_]+\\s*=\\s*(@{1,2}[A-Za-z_]+|'[A-Za-z0-9_+:,-]*'|[A-Za-z0-9_]+)";
    static const QRegularExpression frames[] = {
        QRegularExpression("^\\s*$"),
        QRegularExpression("^--( .*)?$"),
        QRegularExpression("^/\\*M!999999\\\\- enable the sandbox mode \\*/\\s*$"),
        QRegularExpression("^/\\*M?!\\d+ SET (NAMES [A-Za-z0-9_]+|" + setting + "(, " + setting +
                           ")*) \\*/;$"),
        QRegularExpression("^/\\*!\\d+ ALTER TABLE " + table + " (DISABLE|ENABLE) KEYS \\*/;$"),
        QRegularExpression("^LOCK TABLES " + table + " WRITE;$"),
        QRegularExpression("^UNLOCK TABLES;$"),
    };
    for (const QRegularExpression& frame : frames) {
        const QRegularExpressionMatch m = frame.match(line);
        if (!m.hasMatch()) continue;
        // A table a frame line names must be one an exchange file may carry.
        return m.lastCapturedIndex() < 1 || !line.contains('`') ||
               !ExchangeColumns(m.captured(1)).isEmpty();
    }
    return false;
}

QStringList Lines(const QByteArray& sql) {
    QStringList lines = DecodeText(sql).split('\n');
    for (QString& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// The row without its `index`, where its table has one.
void DropIndex(InsertLine& insert) {
    const qsizetype at = insert.columns.indexOf("index");
    if (at < 0) return;
    insert.columns.removeAt(at);
    for (QVariantList& row : insert.rows)
        row.removeAt(at);
}

InsertLine ReadInsert(const QString& line, qsizetype number) {
    try {
        return InsertReader(line).read();
    } catch (const ExchangeSqlError& e) {
        throw ExchangeSqlError(QStringLiteral("Line %1: %2.").arg(number).arg(e.message()));
    }
}

}  // namespace

QByteArray ConvertDumpForExchange(const QByteArray& dump) {
    QStringList out;
    const QStringList lines = Lines(dump);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.toUpper().contains(kPlaceholderMarker)) continue;
        if (!IsInsertLine(line)) {
            if (IsFrameLine(line)) out << line;
            continue;
        }
        InsertLine insert = ReadInsert(line, i + 1);
        DropIndex(insert);
        out << FormatInsert(insert);
    }
    return (out.join('\n') + '\n').toUtf8();
}

QList<InsertLine> ParseExchangeSql(const QByteArray& sql) {
    QList<InsertLine> inserts;
    const QStringList lines = Lines(sql);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const qsizetype number = i + 1;
        if (!IsInsertLine(line)) {
            if (IsFrameLine(line)) continue;
            throw ExchangeSqlError(
                QStringLiteral("Line %1 is neither a row nor a line of a dump: %2")
                    .arg(number)
                    .arg(line.left(80)));
        }
        InsertLine insert = ReadInsert(line, number);
        const QStringList& known = ExchangeColumns(insert.table);
        if (known.isEmpty())
            throw ExchangeSqlError(QStringLiteral("Line %1: the table %2 is not one an exchange "
                                                  "file may carry.")
                                       .arg(number)
                                       .arg(insert.table));
        for (const QString& column : std::as_const(insert.columns))
            if (!known.contains(column) || insert.columns.count(column) > 1)
                throw ExchangeSqlError(QStringLiteral("Line %1: %2 is no column of %3 or is named "
                                                      "twice.")
                                           .arg(number)
                                           .arg(column, insert.table));
        DropIndex(insert);
        if (insert.columns.isEmpty())
            throw ExchangeSqlError(QStringLiteral("Line %1 names no column.").arg(number));
        inserts << insert;
    }
    return inserts;
}
