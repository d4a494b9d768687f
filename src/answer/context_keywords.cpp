#include "context_keywords.h"

#include "brain/dialogue_rows.h"
#include "brain/phrase_markers.h"
#include "brain/query.h"
#include "brain/stored_patterns.h"
#include "engine/console_log.h"
#include "engine/contains.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

namespace {

constexpr QStringView kOpeningMark = u"2Y1Z2X1Y";
const Replacement kBracketsToMarks[] = {{u"[", kOpeningMark}, {u"]", u"3Y2Z3X2Y"}};
const Replacement kMarksToBrackets[] = {{kOpeningMark, u"["}, {u"3Y2Z3X2Y", u"]"}};

// The stored keyword set that the phrase is, framed by blanks; empty when there is none. With
// mixed-word recognition the keywords may come in any order.
QString FindKeywords(Engine& engine, QString words) {
    words.remove('?');
    QString sql = QStringLiteral(
        "SELECT * FROM words_context WHERE CHAR_LENGTH(context_words) = CHAR_LENGTH(?)");
    QVariantList params{' ' + words + ' '};
    if (engine.state.settings.enableMixedWordRecognition) {
        for (const QString& word : words.split(' ', Qt::SkipEmptyParts)) {
            sql += QStringLiteral(" AND context_words RLIKE ?");
            params << word;
        }
    } else {
        sql += QStringLiteral(" AND context_words=?");
        params << ' ' + words.toUpper() + ' ';
    }
    const qsizetype codePoints = params.first().toString().toUcs4().size();
    if (!StoredLengthMayBe(engine.db, "words_context", "context_words", codePoints) ||
        engine.db.open(sql + " LIMIT 1", params) == 0)
        return {};
    return engine.db.field("context_words");
}

// System commands carried in from stored phrases must not act as commands of this input: each
// one found has its "[" written "[XY". The phrase stays in the spelling of the stored patterns
// between the questions, so that every command in it is found, not only the first. A pattern
// that does not occur literally would be found again and again, so the search ends when a round
// changes nothing, and after as many rounds as there are commands.
void NeutraliseSystemCommands(Engine& engine, QString& phrase) {
    Query& db = engine.db;
    const qint64 commands = db.catalogue().rowCount("system_commands");
    ApplyInOrder(phrase, kBracketsToMarks);
    for (qint64 round = 0; round < commands; ++round) {
        if (!StoredPatternMayMatch(db, "system_commands", "command", phrase) ||
            db.open("SELECT * FROM system_commands WHERE ? RLIKE UPPER(command) LIMIT 1",
                    {phrase}) == 0)
            break;
        const QString command = db.field("command").toUpper();
        QString neutral = command;
        ReplaceAll(neutral, kOpeningMark, u"2Y1Z2X1YXY");
        const QString asked = phrase;
        ReplaceAll(phrase, command, neutral);
        if (phrase == asked) break;
    }
    ApplyInOrder(phrase, kMarksToBrackets);
}

// Drops what follows an event answer's tag, keeping the tag.
void CutAfter(QString& phrase, const QString& tag) {
    const qsizetype at = phrase.toUpper().indexOf(tag);
    if (at >= 0) phrase.truncate(at + tag.size());
}

}  // namespace

void ApplyContextKeywords(Engine& engine) {
    Request& r = engine.state.request;
    QString& phrase = r.WorkPhrase;
    ConsoleLine(engine, "A.I. > Searching for context keyword(s)..");
    if (Contains(phrase, "[SKIPCONTEXT]")) {
        ReplaceAll(phrase, u"[SKIPCONTEXT]", u"");
        ReplaceAll(phrase, u" ?", u"?");
        TrainingNotice(engine, "skipped context processing.");
        return;
    }
    if (Contains(phrase, "[") && Contains(phrase, "]")) return;
    const QString stored = FindKeywords(engine, phrase);
    if (stored.isEmpty()) return ConsoleLine(engine, "A.I. > Context keyword(s) not found.");
    if (stored.size() < phrase.size()) return;
    const std::optional<LastPhraseAiRow> said = ReadLastPhraseAi(engine.db, r.UserKey);
    if (!said) return ConsoleLine(engine, "A.I. > Context keyword(s) not found.");
    QString last = said->phrase.toUpper();
    const qsizetype part = last.indexOf(QLatin1String(" # "));
    if (part >= 0) last.truncate(part);

    phrase = (stored + kContextMarker + ' ' + last).toUpper().mid(1);
    const QString keywords = stored.trimmed().toLower();
    ConsoleLine(engine, "A.I. > Context keyword(s) found: \"" + keywords + "\".");
    const std::optional<LastPhraseUserRow> asked = ReadLastPhraseUser(engine.db, r.UserKey);
    if (!asked) return;
    const QString earlier = ' ' + kEarlierQuestionMarker + ' ';
    phrase += earlier + asked->originalQuestion.toUpper();
    ApplyInOrder(phrase, {{u"   ", u" "}, {u"  ", u" "}});
    NeutraliseSystemCommands(engine, phrase);
    const qsizetype depth = 1 + phrase.count(earlier);
    CutAfter(phrase, QStringLiteral(" [SYSMSG]"));
    CutAfter(phrase, QStringLiteral(" [XYSYSMSG]"));
    const QString measure =
        QStringLiteral("Context deepth is %1 phrases (%2 symbols).").arg(depth).arg(phrase.size());
    ConsoleLine(engine, "A.I. > " + measure);
    TrainingNotice(engine, "context keyword(s) found: \"" + keywords + "\". " + measure);
}
