#include "clean_symbols.h"

QString CleanSymbols(const QString& text) {
    static const QString kBlanked = QStringLiteral("`~!@#$%^&*()-_+=[]{}|\u00B0\\:;\"?,.<>");
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        if (c == '\'') continue;
        clean += kBlanked.contains(c) ? QChar(' ') : c;
    }
    for (int round = 0; round < 3; ++round) {
        clean.replace(QLatin1String("   "), QLatin1String(" "));
        clean.replace(QLatin1String("  "), QLatin1String(" "));
    }
    return clean;
}
