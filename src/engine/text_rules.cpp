#include "text_rules.h"

void ReplaceAll(QString& text, QStringView from, QStringView to) {
    if (from.isEmpty()) return;
    text.replace(from.toString(), to.toString());
}

void ReplaceFirst(QString& text, QStringView from, QStringView to) {
    if (from.isEmpty()) return;
    const qsizetype at = text.indexOf(from);
    if (at >= 0) text.replace(at, from.size(), to.toString());
}

void ApplyInOrder(QString& text, std::initializer_list<Replacement> list) {
    for (const auto& [from, to] : list)
        ReplaceAll(text, from, to);
}

void ApplyFirstInOrder(QString& text, std::initializer_list<Replacement> list) {
    for (const auto& [from, to] : list)
        ReplaceFirst(text, from, to);
}

void SqueezeBlanks(QString& text, int times) {
    for (int i = 0; i < times; ++i)
        text.replace(QStringLiteral("  "), QStringLiteral(" "));
}
