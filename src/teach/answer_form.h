#pragma once

#include <QString>

// How answers are stored: upper case, one blank at each end, "!", "?" and "," standing apart as
// words, single blanks. «Hello, world!» is « HELLO , WORLD ! ». The lines of a longer answer
// are separated by " # ".
QString AnswerForm(const QString& text);
