#pragma once

#include <QString>

#include <initializer_list>
#include <span>
#include <utility>

// Text is rewritten by ordered lists of literal replacements. The order of a list is part of
// the behaviour, so every stage goes through these few helpers.

using Replacement = std::pair<QStringView, QStringView>;

// Every occurrence, left to right in one pass, case-sensitive.
void ReplaceAll(QString& text, QStringView from, QStringView to);
// Only the first occurrence, case-sensitive.
void ReplaceFirst(QString& text, QStringView from, QStringView to);
// Each replacement of the list in turn, every occurrence.
void ApplyInOrder(QString& text, std::span<const Replacement> list);
void ApplyInOrder(QString& text, std::initializer_list<Replacement> list);
// Each replacement of the list in turn, first occurrence only.
void ApplyFirstInOrder(QString& text, std::span<const Replacement> list);
void ApplyFirstInOrder(QString& text, std::initializer_list<Replacement> list);
// Each text of the list in turn, every occurrence, by the same replacement.
void ReplaceEach(QString& text, std::span<const QStringView> list, QStringView to);
void ReplaceEach(QString& text, std::initializer_list<QStringView> list, QStringView to);
// Removes every occurrence of `what`, ignoring letter case.
void RemoveIgnoringCase(QString& text, QStringView what);
// Turns two blanks into one, `times` passes over the text.
void SqueezeBlanks(QString& text, int times);
// Turns three blanks into one and then two into one, `times` passes over the text.
void SqueezeBlankRuns(QString& text, int times);
// Removes the blanks (only the blank character) at both ends.
void TrimBlanks(QString& text);
// The text without NUL and the other control characters (C0, DEL and C1) but those `kept`:
// they have no place in a phrase, the brain or a line of a log.
QString WithoutControls(QString text, QStringView kept = u"\t");
