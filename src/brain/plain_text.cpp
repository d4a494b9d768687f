#include "plain_text.h"

namespace {

// The phrases are upper case.
const QString kPlain =
    QStringLiteral(" !\"#%&',-/0123456789:;<=>@ABCDEFGHIJKLMNOPQRSTUVWXYZ_`~ĀČĒĢĪĶĻŅŠŪŽ");

}  // namespace

bool IsPlainPattern(const QString& pattern) {
    if (pattern.isEmpty()) return false;
    for (const QChar c : pattern)
        if (!kPlain.contains(c)) return false;
    return true;
}

bool SubjectFitsPlainMatching(const QString& subject) {
    for (const QChar c : subject)
        if (!kPlain.contains(c) && kPlain.contains(c.toCaseFolded().toUpper())) return false;
    return true;
}

QString NotPlainPattern() {
    QString pattern = QStringLiteral("[^");
    for (const QChar c : kPlain) {
        if (!c.isLetterOrNumber()) pattern += u'\\';
        pattern += c;
    }
    return pattern + u']';
}

std::optional<QString> CollationKey(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) return std::nullopt;
    QString key = text.toUpper();
    while (key.endsWith(u' '))
        key.chop(1);
    return key;
}
