#pragma once

#include <QString>

// A question is stored as its question pattern: blanks turned into "%" and one "%" at each end,
// so that the stored question is also a LIKE pattern. «HOW ARE YOU ?» is «%HOW%ARE%YOU%?%».
QString QuestionPattern(const QString& phrase);
// A pattern back in words: one "%" dropped at each end, every other "%" turned into a blank.
QString PatternWords(QString pattern);
