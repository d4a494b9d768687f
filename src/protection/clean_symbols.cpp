#include "clean_symbols.h"

#include "engine/text_rules.h"

QString CleanSymbols(const QString& text) {
    static const QString kBlanked = QStringLiteral("`~!@#$%^&*()-_+=[]{}|\u00B0\\:;\"?,.<>");
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        if (c == '\'') continue;
        clean += kBlanked.contains(c) ? QChar(' ') : c;
    }
    SqueezeBlankRuns(clean, 3);
    return clean;
}
