#include "synonym_data_corrections.h"

#include "brain/query.h"
#include "brain/question_pattern.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"

namespace {

// One interface statement with its detailed lines; returns the rows it changed.
qint64 UpdateInterface(Engine& engine, const QString& table, const QString& column,
                       const QString& from, const QString& to) {
    const bool questions = column == QLatin1String("question");
    const bool standard = table == QLatin1String("interface_s");
    const QString items = !questions ? QStringLiteral("answers")
                          : standard ? QStringLiteral("standard phrases")
                                     : QStringLiteral("questions");
    DetailLine(engine,
               QStringLiteral("A.I. > Updating (%1) %2..")
                   .arg(standard ? "standard phrase interface" : "question interface", items));
    const qint64 changed = engine.db.questionChanges().record(table, [&](QuestionChange& change) {
        if (questions) {
            change.from = from;
            change.to = to;
        }
        return engine.db.execute(
            "update " + table + " set " + column + " = replace(" + column + ", ?, ?)", {from, to});
    });
    DetailLine(engine, QStringLiteral("A.I. > Updated %1 %2.").arg(changed).arg(items));
    return changed;
}

void ReportModified(Engine& engine, qint64 count, const QString& where) {
    if (count <= 0) return;
    const QString text = QStringLiteral("%1 occurences in %2.").arg(count).arg(where);
    ConsoleLine(engine, "A.I. > Modified: " + text);
    TrainingNotice(engine, "modified: " + text);
}

}  // namespace

void CorrectStoredData(Engine& engine, SynonymKind kind, const QString& from, const QString& to,
                       CorrectionDirection direction) {
    if (kind == SynonymKind::Command) return;
    const Settings& settings = engine.state.settings;
    const bool correction = kind == SynonymKind::Correction;
    const bool spokenText = direction == CorrectionDirection::Teaching;
    if (settings.allowInterfaceDataCorrection) {
        // Questions are stored as patterns with "%" between words: replacing the pattern of the
        // words keeps the words apart, so that teaching BIG never turns BIGGER into LARGEGER.
        const QString fromQuestion = QuestionPattern(from), toQuestion = QuestionPattern(to);
        qint64 total = UpdateInterface(engine, "interface_q", "question", fromQuestion, toQuestion);
        total += UpdateInterface(engine, "interface_s", "question", fromQuestion, toQuestion);
        if (correction && spokenText) {
            // Answers are framed by blanks.
            const QString fromWord = ' ' + from + ' ', toWord = ' ' + to + ' ';
            total += UpdateInterface(engine, "interface_q", "answer", fromWord, toWord);
            total += UpdateInterface(engine, "interface_s", "answer", fromWord, toWord);
        }
        ReportModified(engine, total, QStringLiteral("Q.I.V.O™ interface"));
    }
    if (!correction) return;
    if (settings.allowContextKeywordCorrection) {
        const qint64 changed = engine.db.execute(
            "update words_context set context_words = replace((context_words), ?, ?)",
            {' ' + from.toUpper() + ' ', ' ' + to.toUpper() + ' '});
        ReportModified(engine, changed, QStringLiteral("context keyword database"));
    }
    if (settings.allowEventMessageCorrection && spokenText) {
        const qint64 changed = engine.db.execute(
            "update system_messages set event_message = replace((event_message), ?, ?)",
            {' ' + from.toLower() + ' ', ' ' + to.toLower() + ' '});
        ReportModified(engine, changed, QStringLiteral("event system messages"));
    }
}
