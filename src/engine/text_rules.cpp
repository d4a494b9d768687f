#include "text_rules.h"

// Most rules of a list find nothing: looking first costs no copies of the texts.
void ReplaceAll(QString& text, QStringView from, QStringView to) {
    if (from.isEmpty() || !text.contains(from)) return;
    text.replace(from.toString(), to.toString());
}

void ReplaceFirst(QString& text, QStringView from, QStringView to) {
    if (from.isEmpty()) return;
    const qsizetype at = text.indexOf(from);
    if (at >= 0) text.replace(at, from.size(), to.toString());
}

void ApplyInOrder(QString& text, std::span<const Replacement> list) {
    for (const auto& [from, to] : list)
        ReplaceAll(text, from, to);
}

void ApplyInOrder(QString& text, std::initializer_list<Replacement> list) {
    ApplyInOrder(text, std::span(list.begin(), list.size()));
}

void ApplyFirstInOrder(QString& text, std::span<const Replacement> list) {
    for (const auto& [from, to] : list)
        ReplaceFirst(text, from, to);
}

void ApplyFirstInOrder(QString& text, std::initializer_list<Replacement> list) {
    ApplyFirstInOrder(text, std::span(list.begin(), list.size()));
}

void ReplaceEach(QString& text, std::span<const QStringView> list, QStringView to) {
    for (const QStringView from : list)
        ReplaceAll(text, from, to);
}

void ReplaceEach(QString& text, std::initializer_list<QStringView> list, QStringView to) {
    ReplaceEach(text, std::span(list.begin(), list.size()), to);
}

void RemoveIgnoringCase(QString& text, QStringView what) {
    if (what.isEmpty() || !text.contains(what, Qt::CaseInsensitive)) return;
    text.remove(what.toString(), Qt::CaseInsensitive);
}

void SqueezeBlanks(QString& text, int times) {
    for (int i = 0; i < times; ++i)
        text.replace(QStringLiteral("  "), QStringLiteral(" "));
}

void SqueezeBlankRuns(QString& text, int times) {
    for (int i = 0; i < times; ++i) {
        text.replace(QStringLiteral("   "), QStringLiteral(" "));
        text.replace(QStringLiteral("  "), QStringLiteral(" "));
    }
}

void TrimBlanks(QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    qsizetype begin = 0;
    while (begin < end && text[begin] == u' ')
        ++begin;
    text = text.sliced(begin, end - begin);
}

QString WithoutControls(QString text, QStringView kept) {
    text.removeIf(
        [kept](QChar c) { return c.category() == QChar::Other_Control && !kept.contains(c); });
    return text;
}
