#include "question_pattern.h"

QString QuestionPattern(const QString& phrase) {
    QString pattern = '%' + phrase + '%';
    pattern.replace(u' ', u'%');
    pattern.replace(QStringLiteral("%%%"), QStringLiteral("%"));
    pattern.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return pattern;
}

QString PatternWords(QString pattern) {
    if (pattern.startsWith('%')) pattern.remove(0, 1);
    if (pattern.endsWith('%')) pattern.chop(1);
    return pattern.replace(u'%', u' ');
}
