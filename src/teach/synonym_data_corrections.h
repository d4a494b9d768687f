#pragma once

#include "synonym_kind.h"

class Engine;

// Carries a definition into the brain data that already exists, so that what was taught with the
// old form stays findable: every `from` becomes `to` in the stored questions and answers, and for
// a word correction also in the context keywords and the event messages, each as its switch
// allows. Teaching replaces the left side by the right.
//
// Erasing turns back only what the character matches input against (question patterns, context
// keywords). Answers and event messages are what it says: the right side was a real word there
// before anything was taught ("the" in most of them), so turning it back would write the
// misspelling into every one of them.
enum class CorrectionDirection { Teaching, Erasing };
void CorrectStoredData(Engine& engine, SynonymKind kind, const QString& from, const QString& to,
                       CorrectionDirection direction);
