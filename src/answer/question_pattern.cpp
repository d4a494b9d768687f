#include "question_pattern.h"

#include "engine/text_rules.h"

QString QuestionPattern(const QString& phrase) {
    QString pattern = '%' + phrase + '%';
    ReplaceAll(pattern, u" ", u"%");
    ReplaceAll(pattern, u"%%%", u"%");
    ReplaceAll(pattern, u"%%", u"%");
    return pattern;
}

QString PatternWords(QString pattern) {
    if (pattern.startsWith('%')) pattern.remove(0, 1);
    if (pattern.endsWith('%')) pattern.chop(1);
    ReplaceAll(pattern, u"%", u" ");
    return pattern;
}
