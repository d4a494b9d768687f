#include "bracket_spelling.h"

BracketSpelling::BracketSpelling(const QString& text) {
    text_.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'[' || c == u']') {
            text_ += c == u'[' ? QStringLiteral("XX") : QStringLiteral("YY");
            roles_ << c << QChar(u' ');
            continue;
        }
        text_ += c;
        if (c != u' ') roles_ << QChar();
    }
}

QString BracketSpelling::restored() const {
    QString text;
    text.reserve(text_.size());
    qsizetype letter = 0;
    for (const QChar c : text_) {
        if (c == u' ') {
            text += c;
            continue;
        }
        const QChar role = letter < roles_.size() ? roles_[letter] : QChar();
        ++letter;
        if (role.isNull()) {
            text += c;
        } else if (role != u' ') {
            text += role;
        }
    }
    return text;
}
