#include "synonym_kind.h"

#include "brain/system_patterns.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/levenshtein.h"
#include "engine/text_rules.h"

namespace {

// A right side that would collide with a system parameter, or that says nothing.
bool RightSideIsReserved(Engine& engine, const QString& text) {
    return text.isEmpty() || text == " " ||
           MatchesSystemParameter(engine.db, BracketsSpelled(text));
}

SynonymKind CommandSynonym(Engine& engine) {
    ConsoleLine(engine, "A.I. > Synonym is a command synonym.");
    TrainingNotice(engine, "Synonym is a command synonym.");
    return SynonymKind::Command;
}

}  // namespace

QString SynonymTable(SynonymKind kind) {
    switch (kind) {
        case SynonymKind::Command:
            return QStringLiteral("words_cmd_syn");
        case SynonymKind::Correction:
            return QStringLiteral("words_correction");
        case SynonymKind::Phrase:
        case SynonymKind::Word:
            break;
    }
    return QStringLiteral("words_relationship");
}

bool IsCommandMarker(const QString& text) {
    for (const char* marker : {"#", "##", "=", "<>", ">>", "<<"})
        if (text == QLatin1String(marker)) return true;
    return false;
}

int CorrectionThreshold(qsizetype length) {
    if (length <= 2) return 1;
    if (length <= 10) return 2;
    if (length <= 15) return 3;
    if (length <= 20) return 4;
    return 5;
}

std::optional<SynonymKind> ClassifySynonym(Engine& engine, const QString& marker, bool teaching,
                                           SynonymSides& sides) {
    ConsoleLine(engine, "A.I. > Checking and comparing both synonym contents..");
    if (sides.left.contains(' ')) {
        if (IsCommandMarker(sides.right)) return CommandSynonym(engine);
        ConsoleLine(engine, "A.I. > Synonym is a phrase.");
        return SynonymKind::Phrase;
    }
    const QString& unfolded = engine.state.request.PhraseBeforeCorrection;
    const qsizetype at = unfolded.indexOf(marker);
    QString typedLeft, typedRight;
    if (at >= 0) {
        typedLeft = unfolded.left(at);
        typedRight = unfolded.mid(at + marker.size());
        TrimBlanks(typedLeft);
        TrimBlanks(typedRight);
    }
    if (teaching && (RightSideIsReserved(engine, typedRight) || typedLeft == typedRight))
        return std::nullopt;
    if (typedLeft.isEmpty() || typedRight.isEmpty()) return std::nullopt;
    // "##" is no command marker for single words: it is measured like a word.
    for (const char* symbol : {"#", "=", "<>", ">>", "<<"})
        if (sides.right == QLatin1String(symbol)) return CommandSynonym(engine);

    ConsoleLine(engine, "A.I. > Using LD algorithm.");
    const int distance = LevenshteinDistance(typedLeft, typedRight);
    const int threshold = CorrectionThreshold(typedRight.size());
    const QString result =
        QStringLiteral("LD algorithm result: %1/%2").arg(distance).arg(threshold);
    ConsoleLine(engine, "A.I. > " + result);
    if (distance > threshold) {
        ConsoleLine(engine, "A.I. > Synonym is a word.");
        TrainingNotice(engine, result + ". Synonym is a word.");
        return SynonymKind::Word;
    }
    ConsoleLine(engine, "A.I. > Synonym is a word correction definition.");
    TrainingNotice(engine, result + ". Synonym is a word correction definition.");
    sides.right = typedRight;
    return SynonymKind::Correction;
}
