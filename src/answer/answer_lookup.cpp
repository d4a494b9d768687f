#include "answer_lookup.h"

#include "interface_table.h"
#include "original_question.h"
#include "question_pattern.h"

#include "brain/query.h"
#include "engine/console_log.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"

namespace {

const QString kContextMarker = QStringLiteral("0Y1Z0X1Y");

struct Statement {
    QString sql;
    QVariantList params;
};

struct Try {
    QChar label;
    Statement statement;
    QString hitLine;
};

// The words between the "%" signs of a pattern, each as one more RLIKE clause.
void AddWordClauses(Statement& s, const QString& pattern) {
    for (const QString& word : pattern.split('%', Qt::SkipEmptyParts)) {
        s.sql += " AND question RLIKE ?";
        s.params << word;
    }
}

struct Lookup {
    Engine& e;
    QString table;
    QString pattern;

    const Request& r() const { return e.state.request; }
    bool mwrSetting() const { return e.state.settings.enableMixedWordRecognition; }

    QList<Try> firstPassTries(bool plain) const {
        const bool mwr = mwrSetting() && plain;
        const QString upper = pattern.toUpper();
        const QString lengthClause = " AND CHAR_LENGTH(question) = CHAR_LENGTH(?)";
        auto matched = [&](Statement s) {
            if (mwr) {
                AddWordClauses(s, pattern);
            } else {
                s.sql += " AND question=?";
                s.params << upper;
            }
            s.sql += " ORDER BY RAND() LIMIT 1";
            return s;
        };
        const QString from = "SELECT * FROM " + table;
        const QString& C = r().Category;
        const QString& D = r().Daytime;
        const QString& P = r().Personality;
        Statement e{from, {}};
        if (mwrSetting() && !plain) {
            e.sql += " WHERE question=?" + lengthClause;
        } else {
            e.sql += " WHERE question RLIKE ?" + lengthClause;
        }
        e.params << upper << pattern;
        if (mwr) AddWordClauses(e, pattern);
        e.sql += " ORDER BY RAND() LIMIT 1";
        return {
            {'A',
             matched(
                 {from + " WHERE category=? AND daylight_time=? AND personality=?" + lengthClause,
                  {C, D, P, pattern}}),
             "A.I. > Answer found (match by category, daytime and personality)."},
            {'B',
             matched(
                 {from + " WHERE category=? AND daylight_time=?" + lengthClause, {C, D, pattern}}),
             "A.I. > Answer found (match by category and daytime)."},
            {'C',
             matched(
                 {from + " WHERE category=? AND personality=?" + lengthClause, {C, P, pattern}}),
             "A.I. > Answer found (match by category and personality)."},
            {'D', matched({from + " WHERE category=?" + lengthClause, {C, pattern}}),
             "A.I. > Answer found (match by category)."},
            {'E', e, "A.I. > Answer found (simple match)."},
        };
    }

    QList<Try> admTries() const {
        const QString& C = r().Category;
        const QString from = "SELECT * FROM " + table;
        const QString storedAsPattern =
            " WHERE ? LIKE question COLLATE utf8mb4_bin%1 AND LENGTH(question) - "
            "LENGTH(REPLACE(question, '%', '')) > 2 ORDER BY LENGTH(question) DESC, RAND() "
            "LIMIT 1";
        const QString phraseAsPattern =
            " WHERE question COLLATE utf8mb4_bin LIKE ?%1 AND question NOT RLIKE '0Y1Z0X1Y' "
            "AND question NOT RLIKE '1Y0Z1X0Y' AND LENGTH(?) - LENGTH(REPLACE(?, '%', '')) > 2 "
            "ORDER BY LENGTH(?) DESC, RAND() LIMIT 1";
        const QString K = pattern;
        return {
            {'A',
             {from + storedAsPattern.arg(" AND category=?"), {K, C}},
             "A.I. > Answer found with ADM (algorithm: A). Answer efficiency: 5% - 50%"},
            {'B',
             {from + storedAsPattern.arg(""), {K}},
             "A.I. > Answer found with ADM (algorithm: B). Answer efficiency: 5% - 30%"},
            {'C',
             {from + phraseAsPattern.arg(" AND category=?"), {K, C, K, K, K}},
             "A.I. > Answer found with ADM (algorithm: C). Answer efficiency: 5% - 20%"},
            {'D',
             {from + phraseAsPattern.arg(""), {K, K, K, K}},
             "A.I. > Answer found with ADM (algorithm: D). Answer efficiency: 5% - 20%"},
        };
    }

    // Runs the tries in order until one returns a row; writes the growing trace line and
    // returns the console text of the hit, empty on a miss.
    QString runTries(const QList<Try>& tries, QString trace) {
        for (qsizetype i = 0; i < tries.size(); ++i) {
            if (i > 0) trace += ", (algorithm: " + QString(tries[i].label) + ")";
            if (e.db.open(tries[i].statement.sql, tries[i].statement.params) > 0) {
                ConsoleLine(e, trace + ".");
                return tries[i].hitLine;
            }
        }
        ConsoleLine(e, trace + ".");
        return {};
    }

    QString firstPass(bool plain, bool contextPass) {
        return runTries(firstPassTries(plain), "A.I. > Analysing interface data with " +
                                                   QString(mwrSetting() ? "MWR" : "STD") +
                                                   (contextPass ? " + CTXT" : "") +
                                                   " (algorithm: A)");
    }

    bool admAllowed() {
        const Settings& s = e.state.settings;
        if (!s.enableAdvancedDataMatching) return false;
        if (r().TargetKind == 1) {
            if (!s.allowAdmOnPublicMessages) {
                ConsoleLine(e, "A.I. > ADM is not allowed on public messages.");
                return false;
            }
            ConsoleLine(e, "A.I. > Notice! ADM is allowed on public messages.");
        }
        return !pattern.contains('%' + kContextMarker + '%');
    }
};

}  // namespace

void LookupAnswer(Engine& engine) {
    Request& r = engine.state.request;
    ConsoleLine(engine, "A.I. > Processing brain interface section..");
    if (!engine.state.settings.clearLogTextsBeforeEachNlp) ConsoleLine(engine, "");
    r.Answered = false;
    r.AdmMatch = false;
    r.DatabaseMatch = false;

    Lookup lookup{engine, InterfaceTable(r.InputCategory), QuestionPattern(r.WorkPhrase)};
    const bool plain = !lookup.pattern.contains('%' + kContextMarker + '%');
    const qsizetype marker = lookup.pattern.indexOf(kContextMarker);

    QString hit = lookup.firstPass(plain, false);
    if (hit.isEmpty() && lookup.admAllowed()) {
        hit = lookup.runTries(lookup.admTries(),
                              "A.I. > Analysing interface data with ADM (algorithm: A)");
        r.AdmMatch = !hit.isEmpty();
    }
    if (hit.isEmpty() && marker >= 0) {
        ConsoleLine(engine, "A.I. > Changing context matching rules..");
        lookup.pattern.truncate(marker);
        hit = lookup.firstPass(false, true);
    }
    if (hit.isEmpty()) {
        ConsoleLine(engine, "A.I. > Answer not found.");
        TrainingNotice(engine, "answer not found.");
        r.Answered = false;
        return;
    }
    ConsoleLine(engine, hit);
    r.OutputPhrase = engine.db.field("answer");
    r.MatchedQuestion = engine.db.field("question");
    SaveOriginalQuestion(engine);
    r.Answered = true;
    QString notice = hit.mid(QStringLiteral("A.I. > ").size());
    notice[0] = notice[0].toLower();
    TrainingNotice(engine, notice);
    r.DatabaseMatch = true;
}
