// Phrase rewriting through the whole NLP cycle: a brain of 100 000 taught rows with 1 000 and
// then 10 000 rules in each of words_relationship, words_correction and words_cmd_syn. Prints
// cycle times and statements per cycle, overall and by the kind of input. Needs the test
// database server: see README.md.

#include "bench_engine.h"
#include "taught_brain.h"

#include "brain/query.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QSet>

#include <cstdio>
#include <utility>

namespace {

const char* const kSymbols[] = {"<>", "=", ">>", "<<", "#", "##"};

// The three rule tables, filled the way teaching fills them: corrections are misspelt chat
// words (and, past the few hundred of those, misspelt made-up words), synonyms are made-up words
// and short phrases standing for chat words, command synonyms are made-up words standing for a
// teaching symbol. Each kind keeps a list of what it stored, so that inputs can use it.
class RuleSet {
  public:
    explicit RuleSet(TaughtBrain& brain, quint32 seed = 7) : brain_(brain), random_(seed) {}

    void grow(Query& db, int count) {
        QList<QStringList> corrections, synonyms, commands;
        for (int i = 0; i < count; ++i) {
            const auto [misspelt, meant] = misspelling();
            corrections << QStringList{fresh(misspelt), meant};
            const QString alias =
                fresh(random_.bounded(8) == 0 ? madeUp() + ' ' + madeUp() : madeUp());
            synonyms << QStringList{alias, brain_.words(1 + int(random_.bounded(2)))};
            commands << QStringList{fresh(madeUp()),
                                    kSymbols[random_.bounded(int(std::size(kSymbols)))]};
        }
        insert(db, "words_correction", corrections);
        insert(db, "words_relationship", synonyms);
        insert(db, "words_cmd_syn", commands);
        for (const QStringList& rule : std::as_const(corrections))
            misspelt_ << rule[0];
        for (const QStringList& rule : std::as_const(synonyms))
            aliases_ << rule[0];
        for (const QStringList& rule : std::as_const(commands))
            if (rule[1] == "<>") eraseWords_ << rule[0];
    }

    QString misspelt() { return misspelt_[random_.bounded(int(misspelt_.size()))]; }
    QString alias() { return aliases_[random_.bounded(int(aliases_.size()))]; }
    QString eraseWord() { return eraseWords_[random_.bounded(int(eraseWords_.size()))]; }

  private:
    // A made-up word of five to nine letters: no chat word holds it.
    QString madeUp() {
        QString word;
        for (int length = 5 + int(random_.bounded(5)); length > 0; --length)
            word += QChar(u'A' + random_.bounded(26));
        return word;
    }
    // A word with two letters swapped or one doubled, and the word: mostly chat words, a quarter
    // made-up ones.
    std::pair<QString, QString> misspelling() {
        QString word = brain_.words(1);
        if (word.size() < 3 || random_.bounded(4) == 0) word = madeUp();
        QString misspelt = word;
        const int at = int(random_.bounded(int(word.size()) - 1));
        if (random_.bounded(2) == 0) std::swap(misspelt[at], misspelt[at + 1]);
        if (misspelt == word) misspelt.insert(at, word[at]);
        return {misspelt, word};
    }
    // The text itself unless it was drawn before, else a made-up word.
    QString fresh(const QString& text) {
        QString candidate = text;
        while (used_.contains(candidate))
            candidate = madeUp();
        used_.insert(candidate);
        return candidate;
    }
    static void insert(Query& db, const QString& table, const QList<QStringList>& rules) {
        constexpr qsizetype kBatch = 500;
        for (qsizetype start = 0; start < rules.size(); start += kBatch) {
            QString sql = "INSERT INTO " + table +
                          " (indefinite, definite, date_learned, time_learned, owner) VALUES ";
            QVariantList params;
            for (qsizetype i = start; i < std::min(start + kBatch, rules.size()); ++i) {
                sql += i == start ? "(?, ?, ?, ?, ?)" : ", (?, ?, ?, ?, ?)";
                params << rules[i][0] << rules[i][1] << "2026.12.01"
                       << "12:00:00"
                       << "Owner";
            }
            db.execute(sql, params);
        }
    }

    TaughtBrain& brain_;
    QRandomGenerator random_;
    QSet<QString> used_;
    QStringList misspelt_, aliases_, eraseWords_;
};

// The kinds of input: a phrase no rule touches, one with a misspelt word, one with a synonym,
// and an erase command written with a command synonym.
enum class Kind { Plain, Misspelt, Synonym, CommandWord };
const char* const kKindNames[] = {"no rule applies", "misspelt word", "synonym", "command synonym"};

Kind KindOf(int i) {
    const int slot = i % 10;
    if (slot < 5) return Kind::Plain;
    if (slot < 7) return Kind::Misspelt;
    if (slot < 9) return Kind::Synonym;
    return Kind::CommandWord;
}

QString Phrase(Kind kind, TaughtBrain& brain, RuleSet& rules) {
    switch (kind) {
        case Kind::Plain:
            return brain.storedPhrase();
        case Kind::Misspelt:
            return brain.words(2) + ' ' + rules.misspelt() + ' ' + brain.words(2);
        case Kind::Synonym:
            return brain.words(1) + ' ' + rules.alias() + ' ' + brain.words(2);
        case Kind::CommandWord:
            break;
    }
    return brain.words(1) + ' ' + rules.eraseWord() + ' ' + brain.words(1);
}

// The time a cycle spends in the stages that read the rule tables, apart from the rest of it.
class RewritingClock {
  public:
    explicit RewritingClock(Stages& stages) {
        for (Stage* stage :
             {&stages.ApplyContextKeywords, &stages.ApplyCommandSynonyms, &stages.ApplyCorrections,
              &stages.ApplySynonyms, &stages.EraseSynonym, &stages.TeachSynonym}) {
            *stage = [this, inner = *stage](Engine& engine) {
                QElapsedTimer timer;
                timer.start();
                inner.call(engine);
                ms_ += double(timer.nsecsElapsed()) / 1e6;
            };
        }
    }
    // The time since the last call.
    double take() { return std::exchange(ms_, 0.0); }

  private:
    double ms_ = 0;
};

void Measure(BenchEngine& bench, RewritingClock& clock, TaughtBrain& brain, RuleSet& rules,
             int size, int inputs) {
    QMap<int, Timings> kinds;
    Timings all, rewriting;
    qint64 statements = 0, maxStatements = 0;
    for (int i = 0; i < inputs; ++i) {
        const Kind kind = KindOf(i);
        clock.take();
        const BenchEngine::Cycle cycle = bench.run(bench.local(Phrase(kind, brain, rules)));
        all.add(cycle.ms);
        rewriting.add(clock.take());
        kinds[int(kind)].add(cycle.ms);
        statements += cycle.statements;
        maxStatements = std::max(maxStatements, cycle.statements);
    }
    std::printf("\n%d rules in each table, %d inputs\n", size, inputs);
    std::printf("  cycle ms      p50 %7.2f   p95 %7.2f   p99 %7.2f   mean %7.2f\n",
                all.percentile(50), all.percentile(95), all.percentile(99), all.mean());
    std::printf("  rewriting ms  p50 %7.2f   p95 %7.2f   p99 %7.2f   mean %7.2f\n",
                rewriting.percentile(50), rewriting.percentile(95), rewriting.percentile(99),
                rewriting.mean());
    std::printf("  statements    %.1f per cycle, at most %lld\n",
                double(statements) / double(inputs), static_cast<long long>(maxStatements));
    for (auto it = kinds.cbegin(); it != kinds.cend(); ++it)
        std::printf("    %-16s p50 %7.2f   p95 %7.2f ms (%lld inputs)\n", kKindNames[it.key()],
                    it.value().percentile(50), it.value().percentile(95),
                    static_cast<long long>(it.value().ms.size()));
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int inputs = argc > 1 ? QString(argv[1]).toInt() : 1000;
    try {
        BenchEngine bench;
        Settings& settings = bench.engine().state.settings;
        settings.allowDataTeaching = true;
        settings.allowDataErasing = true;
        std::printf("Phrase rewriting through the whole cycle on 100 000 taught rows\n");
        TaughtBrain brain;
        brain.grow(bench.db(), 100000);
        bench.db().execute("ANALYZE TABLE interface_s, interface_q");
        RuleSet rules(brain);
        RewritingClock clock(bench.engine().stages);
        int size = 0;
        for (const int target : {1000, 10000}) {
            rules.grow(bench.db(), target - size);
            size = target;
            for (int i = 0; i < 50; ++i)
                bench.run(bench.local(Phrase(KindOf(i), brain, rules)));
            Measure(bench, clock, brain, rules, size, inputs);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "rewriting_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
