#pragma once

#include <QString>

// Text that the database's regular expressions (RLIKE) match literally: every character that is
// special to them stands behind a backslash.
inline QString RegexLiteral(const QString& text) {
    static const QString special = QStringLiteral("\\^$.|?*+()[]{}");
    QString literal;
    literal.reserve(text.size() * 2);
    for (const QChar c : text) {
        if (special.contains(c)) literal += u'\\';
        literal += c;
    }
    return literal;
}
