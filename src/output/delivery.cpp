#include "delivery.h"

#include "brain/nick_encoding.h"
#include "brain/phrase_markers.h"
#include "brain/query.h"
#include "engine/brain_outage.h"
#include "engine/console_log.h"
#include "engine/contains.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/event_answer.h"
#include "engine/text_rules.h"
#include "event_message.h"
#include "prepare_delivery.h"

#include <utility>

namespace {

struct MmasRow {
    QString index, user, phrase, finished, original, channel, total, type;
};

MmasRow ReadRow(const Query& db) {
    return MmasRow{db.field("index"),    db.field("user"),     db.field("phrase"),
                   db.field("finished"), db.field("original"), db.field("channel"),
                   db.field("total"),    db.field("type")};
}

void WriteRow(Query& db, const MmasRow& row) {
    db.execute(
        "REPLACE INTO mmas (`index`, `user`, `phrase`, `finished`, `original`, `channel`, "
        "`total`, `type`) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
        {row.index, row.user, row.phrase, row.finished, row.original, row.channel, row.total,
         row.type});
}

// The pause before the next line: short when the typing delay paces the lines, otherwise longer
// the more lines remain.
int NextTickMs(bool typingSimulation, qsizetype linesLeft) {
    if (typingSimulation) return 50;
    if (linesLeft <= 1) return 100;
    if (linesLeft == 2) return 500;
    if (linesLeft == 3) return 1000;
    if (linesLeft == 4) return 2000;
    return 3000;
}

}  // namespace

Delivery::Delivery(Engine& engine) : engine_(engine) {
    MultiLineAnswering.setInterval(100);
    MMASStarter.setInterval(1000);
    typing.setSingleShot(true);
    connect(&MultiLineAnswering, &QTimer::timeout, this, &Delivery::DeliverNextLine);
    connect(&MMASStarter, &QTimer::timeout, this, &Delivery::MMASStarterTimer);
    connect(&typing, &QTimer::timeout, this, [this] { guarded([this] { lineTyped(); }); });
    connect(&engine_, &Engine::brainBack, this, &Delivery::resume);
    connect(&engine_, &Engine::ircReady, this, &Delivery::resumeForIrc);
}

bool Delivery::waitsForIrc(TargetKind kind) const {
    return kind != TargetKind::Local && !engine_.out.irc->IsConnected();
}

// The answers that waited for IRC go on.
void Delivery::resumeForIrc() {
    if (!engine_.state.stores.MMASStore.isEmpty() && !MMASStarter.isActive()) MMASStarter.start();
    if (!MultiLineAnswering.isActive() && !onItsWay_) MultiLineAnswering.start();
}

template <typename Work>
void Delivery::guarded(Work work) {
    if (!RunTimerWork(engine_, work)) interrupted_ = true;
}

// A tick that met the lost connection left its timer off; the answers it was moving still wait.
void Delivery::resume() {
    if (!std::exchange(interrupted_, false)) return;
    if (!engine_.state.stores.MMASStore.isEmpty() && !MMASStarter.isActive()) MMASStarter.start();
    if (!MultiLineAnswering.isActive() && !onItsWay_) MultiLineAnswering.start();
}

void Delivery::StartDelivery() {
    EngineState& s = engine_.state;
    QList<TMMAS>& store = s.stores.MMASStore;
    if (!store.isEmpty()) {
        // The entry is read into locals: the cycle may still need its own request afterwards.
        const TMMAS entry = store.first();
        const QString phrase = NormaliseSeparators(entry.outputPhrase + '#');
        const qsizetype total = phrase.count('#');
        DetailLine(engine_, "A.I. > Total MMAS length is " +
                                QString::number(phrase.size() - total) + " symbols.");
        Query& db = engine_.db;
        const bool found = db.open("SELECT * FROM mmas WHERE user=? LIMIT 1", {entry.userKey}) > 0;
        const MmasRow existing = found ? ReadRow(db) : MmasRow{};
        if (found && existing.finished == "NO") {
            ConsoleLine(engine_, "A.I. > MMAS is already busy with user " +
                                     DecodeNick(entry.userKey) + " and will launch later.");
            // A tick that failed left the line timer off with the row unfinished; without this
            // the user would wait for ever.
            if (!MultiLineAnswering.isActive() && !onItsWay_) MultiLineAnswering.start();
        } else {
            // The reply target is kept in nick encoding like every nick of the brain, so that
            // reading it back gives exactly the target it was.
            const MmasRow row{existing.index,
                              entry.userKey,
                              phrase,
                              "NO",
                              entry.outputPhrase,
                              EncodeNick(entry.replyTarget),
                              QString::number(total),
                              QString::number(int(entry.targetKind))};
            if (!found) {
                db.execute(
                    "INSERT INTO mmas (`user`, `phrase`, `finished`, `original`, `channel`, "
                    "`total`, `type`) VALUES (?, ?, ?, ?, ?, ?, ?)",
                    {row.user, row.phrase, row.finished, row.original, row.channel, row.total,
                     row.type});
            } else if (existing.finished == "YES") {
                WriteRow(db, row);
            }
            store.removeFirst();
            if (!MultiLineAnswering.isActive()) MultiLineAnswering.start();
            ConsoleLine(engine_, "A.I. > MMAS started.");
        }
    }
    // An answer for IRC waiting behind its user's unsent one goes on once IRC is back.
    if (!store.isEmpty() && !MMASStarter.isActive() && !waitsForIrc(store.first().targetKind))
        MMASStarter.start();
    s.lastMmasCount = int(store.size());
    engine_.showStatusLine();
}

void Delivery::MMASStarterTimer() {
    MMASStarter.stop();
    guarded([this] { StartDelivery(); });
}

void Delivery::DeliverNextLine() {
    MultiLineAnswering.stop();
    // The line being typed goes first; its end switches the timer on again.
    if (onItsWay_) return;
    guarded([this] { takeNextLine(); });
}

void Delivery::takeNextLine() {
    EngineState& s = engine_.state;
    Query& db = engine_.db;
    // While IRC is away only the local console is answered; the rows for IRC stay unfinished.
    const bool ircAway = waitsForIrc(TargetKind::Private);
    const int found = ircAway ? db.open("SELECT * FROM mmas WHERE finished=? AND type=? LIMIT 1",
                                        {"NO", QString::number(int(TargetKind::Local))})
                              : db.open("SELECT * FROM mmas WHERE finished=? LIMIT 1", {"NO"});
    if (found == 0) {
        const bool waiting =
            ircAway && db.open("SELECT * FROM mmas WHERE finished=? LIMIT 1", {"NO"}) > 0;
        ConsoleLine(engine_, waiting ? "A.I. > MMAS waits for the IRC connection."
                                     : "A.I. > MMAS finished.");
        return;
    }
    MmasRow row = ReadRow(db);
    QString phrase = row.phrase;
    ApplyInOrder(phrase, {{u"   ", u" "}, {u"  ", u" "}, {u"###", u"#"}, {u"##", u"#"}});
    OutgoingLine out;
    out.userKey = row.user;
    out.addressee = DecodeNick(row.user);
    out.target = DecodeNick(row.channel);
    if (!out.target.contains('#')) out.target = out.addressee;
    out.kind = StoredTargetKind(row.type.toInt());
    const qsizetype linesLeft = phrase.count('#');
    MultiLineAnswering.setInterval(NextTickMs(s.settings.typingSimulation, linesLeft));
    const qsizetype separator = phrase.indexOf('#');
    out.line = separator < 0 ? phrase : phrase.left(separator);
    const QString rest = separator < 0 ? QString() : phrase.mid(separator + 1);
    const int total = row.total.toInt();
    out.number = int(total - linesLeft + 1);
    ConsoleLine(engine_, "A.I. > Broadcasting MMAS message " + QString::number(out.number) +
                             " of " + row.total + " to user " + out.addressee + ".");
    if (!row.original.contains("[SYSMSG]"))
        s.stores.userVariables(out.addressee).lastAnswer = row.original;
    // The row gives up its line before the line is typed: a "[STOPMAS]" that comes meanwhile
    // then finds only what is still to say.
    row.phrase = rest;
    row.finished = rest.isEmpty() ? "YES" : "NO";
    WriteRow(db, row);

    onItsWay_ = LineOnItsWay{out, PrepareLine(engine_, out), row.original};
    if (onItsWay_->prepared.typingMs > 0) {
        typing.start(onItsWay_->prepared.typingMs);
    } else {
        lineTyped();
    }
}

void Delivery::lineTyped() {
    if (!onItsWay_) return;
    const LineOnItsWay line = *std::exchange(onItsWay_, std::nullopt);
    // The connection went while the line was being typed: it is lost, and said so.
    if (line.prepared.fate == PreparedLine::Fate::Send && waitsForIrc(line.out.kind)) {
        ConsoleLine(engine_, "A.I. > No IRC connection: MMAS message " +
                                 QString::number(line.out.number) + " to user " +
                                 line.out.addressee + " is dropped.");
        MultiLineAnswering.start();
        return;
    }
    SendPreparedLine(engine_, line.out, line.prepared);
    SaveOutputContext(engine_, line.out.userKey, line.original, OutputContextForm::Mmas);
    MultiLineAnswering.start();
}

void Delivery::StopDelivery() {
    EngineState& s = engine_.state;
    Request& r = s.request;
    if (!Contains(r.WorkPhrase, "[STOPMAS]") || Contains(r.WorkPhrase, kContextMarker)) return;
    Query& db = engine_.db;
    if (db.open("SELECT * FROM mmas WHERE user=? LIMIT 1", {r.UserKey}) > 0) {
        MmasRow row = ReadRow(db);
        row.phrase.clear();
        row.finished = "YES";
        WriteRow(db, row);
    }
    s.outcomes.StopMmasAnswered = true;
    AnswerWithEvent(engine_, "On Stop MMAS");
    SaveInputContext(engine_);
    s.lonely.speaking = false;
    PrepareDelivery(engine_);
    StartDelivery();
    r.Answered = true;
}

bool Delivery::pending() const {
    return !engine_.state.stores.MMASStore.isEmpty() || MultiLineAnswering.isActive() ||
           MMASStarter.isActive() || onItsWay_.has_value();
}
