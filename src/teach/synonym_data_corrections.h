#pragma once

#include "synonym_kind.h"

class Engine;

// Carries a definition into the brain data that already exists, so that what was taught with the
// old form stays findable: every `from` becomes `to` in the stored questions and answers, and for
// a word correction also in the context keywords and the event messages, each as its switch
// allows. Teaching replaces the left side by the right, erasing undoes it.
void CorrectStoredData(Engine& engine, SynonymKind kind, const QString& from, const QString& to);
