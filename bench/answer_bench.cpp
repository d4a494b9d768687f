// Answer lookup through the whole NLP cycle on taught brains of growing size: cycle times,
// statements per cycle, the time of a "#" teaching command and of the input right after it, the
// time and memory the copy of the stored questions takes at start, and the floor the server sets:
// the cycle's reads times a trivial read's round trip plus its writes times one durable write.
// Needs the test database server: see README.md. Arguments: the inputs per brain size (2000),
// the largest size (1000000).

#include "bench_engine.h"
#include "taught_brain.h"

#include "answer/interface_index.h"
#include "brain/query.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>

#include <malloc.h>

#include <cstdio>

namespace {

// The kinds of input, in the share of a chat that each one has.
enum class Kind { Stored, Shuffled, Adm, Unknown, Contextual, Guest };
const char* const kKindNames[] = {"stored phrase",  "words reordered", "ADM phrase",
                                  "unknown phrase", "context keyword", "guest, private"};

Kind KindOf(int i) {
    const int slot = i % 20;
    if (slot < 7) return Kind::Stored;
    if (slot < 9) return Kind::Shuffled;
    if (slot < 12) return Kind::Adm;
    if (slot < 15) return Kind::Unknown;
    if (slot < 17) return Kind::Contextual;
    return Kind::Guest;
}

// Context keywords: said alone, they turn the phrase into a contextual one with the character's
// last answer; the keywords themselves have answers too.
const char* const kContextKeywords[] = {"WHY", "REALLY", "AND YOU", "TELL ME MORE"};

void AddContextKeywords(Query& db) {
    for (const char* keywords : kContextKeywords) {
        db.execute("INSERT INTO words_context (context_words, owner) VALUES (?, 'Owner')",
                   {QString(" %1 ").arg(keywords)});
        db.execute(
            "INSERT INTO interface_s (personality, daylight_time, category, question, answer, "
            "owner) VALUES ('Normal', 'Midday', 'DEFAULT', ?, ' BECAUSE I CAN ! ', 'Owner')",
            {"%" + QString(keywords).replace(' ', '%') + "%"});
    }
}

// The owner teaches after every 13th input: a period prime to the twenty slots of the mix, so
// that the inputs right after a teaching command are of every kind in its shares.
constexpr int kTeachingPeriod = 13;

struct KindFigures {
    Timings times;
    int found = 0;
};

bool AnswerFound(const QStringList& lines) {
    for (const QString& line : lines)
        if (line.startsWith("A.I. > Answer found")) return true;
    return false;
}

// The temporary tables the server has written to disk for this connection so far.
qint64 DiskTempTables(Query& db) {
    db.open("SHOW SESSION STATUS LIKE 'Created_tmp_disk_tables'");
    return db.field("Value").toLongLong();
}

double Milliseconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// What the server itself takes: the round trip of a trivial read, and one single-row write that
// waits for the server's log, as every brain write does. Sampled between the cycles, so that
// both meet the server and the machine as the cycle's own statements meet them: a write that
// follows an idle moment costs the server about half as much again as one of many written back
// to back (0.28 against 0.18 ms on the test machine), and a shared machine's load changes from
// minute to minute. The back-to-back write is measured too and printed beside it.
class Floor {
  public:
    explicit Floor(Query& db) : db_(db) {
        db_.execute(
            "CREATE TABLE bench_floor (`index` INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY, "
            "value VARCHAR(64) NOT NULL DEFAULT '') ENGINE=Aria DEFAULT CHARSET=utf8mb4");
    }
    ~Floor() {
        try {
            db_.execute("DROP TABLE bench_floor");
        } catch (const DbError&) {
            // The brain is a throwaway one.
        }
    }

    void sample() {
        QElapsedTimer timer;
        for (int i = 0; i < 3; ++i) {
            timer.start();
            db_.open("SELECT 1 AS one");
            reads_.add(Milliseconds(timer));
        }
        writes_.add(timedWrite());
    }
    double readMs() const { return reads_.percentile(50); }
    double writeMs() const { return writes_.percentile(50); }
    double backToBackWriteMs() {
        Timings writes;
        for (int i = 0; i < 100; ++i)
            writes.add(timedWrite());
        return writes.percentile(50);
    }

  private:
    double timedWrite() {
        QElapsedTimer timer;
        timer.start();
        db_.execute("INSERT INTO bench_floor (value) VALUES ('x')");
        return Milliseconds(timer);
    }

    Query& db_;
    Timings reads_, writes_;
};

// A copy of the stored questions as the program builds it at start: its time, and the memory it
// keeps per taught row.
void MeasureCopy(Query& db, int size) {
    db.catalogue().read();
    const size_t before = mallinfo2().uordblks;
    QElapsedTimer timer;
    timer.start();
    InterfaceIndexes copy;
    for (const char* table : {"interface_s", "interface_q"})
        copy.current(db, table);
    const double seconds = Milliseconds(timer) / 1000;
    // The last result set is let go, as the program's next statement does.
    db.open("SELECT 1 AS one");
    const double bytes = double(mallinfo2().uordblks) - double(before);
    std::printf("  copy at start %6.2f s, %6.0f bytes per row\n", seconds, bytes / size);
}

void Measure(BenchEngine& bench, TaughtBrain& brain, int inputs) {
    QMap<int, KindFigures> kinds;
    Timings all, teaching, afterTeaching, others, inStatements, outside;
    qint64 statements = 0, writes = 0, maxStatements = 0, diskTempTables = 0;
    Floor floor(bench.db());
    for (int i = 0; i < inputs; ++i) {
        const Kind kind = KindOf(i);
        QString phrase;
        switch (kind) {
            case Kind::Stored:
                phrase = brain.storedPhrase();
                break;
            case Kind::Shuffled:
                phrase = brain.shuffledPhrase();
                break;
            case Kind::Adm:
                phrase = brain.admPhrase();
                break;
            case Kind::Unknown:
                phrase = brain.unknownPhrase();
                break;
            case Kind::Contextual:
                phrase = kContextKeywords[(i / 20) % int(std::size(kContextKeywords))];
                break;
            case Kind::Guest:
                phrase = i % 2 ? brain.storedPhrase() : brain.unknownPhrase();
                break;
        }
        const TInput input = kind == Kind::Guest
                                 ? bench.privateMessage(QString("Guest%1").arg(i % 30), phrase)
                                 : bench.local(phrase);
        const qint64 diskTempTablesBefore = DiskTempTables(bench.db());
        const BenchEngine::Cycle cycle = bench.run(input);
        diskTempTables += DiskTempTables(bench.db()) - diskTempTablesBefore;
        all.add(cycle.ms);
        inStatements.add(cycle.statementMs);
        outside.add(cycle.ms - cycle.statementMs);
        (i > 0 && i % kTeachingPeriod == 0 ? afterTeaching : others).add(cycle.ms);
        statements += cycle.statements;
        writes += cycle.writes;
        maxStatements = std::max(maxStatements, cycle.statements);
        KindFigures& figures = kinds[int(kind)];
        figures.times.add(cycle.ms);
        if (AnswerFound(bench.consoleLines())) ++figures.found;
        floor.sample();

        // Now and then the owner teaches an answer to a phrase the brain does not know. The floor
        // is sampled after these cycles too, so that every measured input follows a sample: while
        // the inputs right after a "#" were the only ones that did not, their p95 came out up to
        // 0.6 ms above the others' with the same statements.
        if (i % kTeachingPeriod == kTeachingPeriod - 1) {
            bench.run(bench.local(brain.unknownPhrase() + " " + brain.words(2)));
            floor.sample();
            teaching.add(bench.run(bench.local("#" + brain.words(6) + "!"), 5).ms);
            floor.sample();
        }
    }

    const double readsPerCycle = double(statements - writes) / double(inputs);
    const double writesPerCycle = double(writes) / double(inputs);
    const double floorMs = readsPerCycle * floor.readMs() + writesPerCycle * floor.writeMs();
    std::printf("  cycle ms      p50 %7.2f   p95 %7.2f   p99 %7.2f   mean %7.2f\n",
                all.percentile(50), all.percentile(95), all.percentile(99), all.mean());
    std::printf("    after a \"#\" p50 %7.2f   p95 %7.2f   max %7.2f ms (%lld inputs)\n",
                afterTeaching.percentile(50), afterTeaching.percentile(95),
                afterTeaching.percentile(100), static_cast<long long>(afterTeaching.ms.size()));
    std::printf("    the others  p50 %7.2f   p95 %7.2f   max %7.2f ms\n", others.percentile(50),
                others.percentile(95), others.percentile(100));
    std::printf("  statements    %.1f per cycle (%.1f reads, %.1f writes), at most %lld\n",
                double(statements) / double(inputs), readsPerCycle, writesPerCycle,
                static_cast<long long>(maxStatements));
    std::printf(
        "  floor         read %.3f ms, durable write %.3f ms: %.2f ms per cycle, "
        "p50 is %.2fx\n",
        floor.readMs(), floor.writeMs(), floorMs, all.percentile(50) / floorMs);
    const double backToBack = floor.backToBackWriteMs();
    const double backToBackFloorMs = readsPerCycle * floor.readMs() + writesPerCycle * backToBack;
    std::printf("                writes back to back %.3f ms: %.2f ms per cycle, p50 is %.2fx\n",
                backToBack, backToBackFloorMs, all.percentile(50) / backToBackFloorMs);
    std::printf("  in statements p50 %7.2f ms a cycle, outside them p50 %.2f ms\n",
                inStatements.percentile(50), outside.percentile(50));
    std::printf("  temporary tables on disk %.2f per cycle\n",
                double(diskTempTables) / double(inputs));
    std::printf("  teaching \"#\"  p50 %7.2f   p95 %7.2f ms (%lld commands)\n",
                teaching.percentile(50), teaching.percentile(95),
                static_cast<long long>(teaching.ms.size()));
    for (auto it = kinds.cbegin(); it != kinds.cend(); ++it) {
        const KindFigures& f = it.value();
        std::printf("    %-16s p50 %7.2f   p95 %7.2f ms, answered %3lld%% of %lld\n",
                    kKindNames[it.key()], f.times.percentile(50), f.times.percentile(95),
                    static_cast<long long>(100 * f.found / f.times.ms.size()),
                    static_cast<long long>(f.times.ms.size()));
    }
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int inputs = argc > 1 ? QString(argv[1]).toInt() : 2000;
    const int largest = argc > 2 ? QString(argv[2]).toInt() : 1000000;
    try {
        BenchEngine bench;
        Settings& settings = bench.engine().state.settings;
        settings.enableAdvancedDataMatching = true;
        settings.allowDataTeaching = true;
        std::printf("Answer lookup through the whole cycle; mixed words %s, ADM on\n",
                    settings.enableMixedWordRecognition ? "on" : "off");
        AddContextKeywords(bench.db());
        TaughtBrain brain;
        int size = 0;
        for (const int target : {1000, 10000, 100000, 1000000}) {
            if (target > largest) break;
            brain.grow(bench.db(), target - size);
            size = target;
            bench.db().execute("ANALYZE TABLE interface_s, interface_q");
            std::printf("\n%d taught rows, %d inputs\n", size, inputs);
            MeasureCopy(bench.db(), size);
            for (int i = 0; i < 50; ++i)
                bench.run(bench.local(brain.storedPhrase()));
            Measure(bench, brain, inputs);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "answer_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
