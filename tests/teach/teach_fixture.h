#pragma once

#include "answer/stage_fixture.h"
#include "teach/key_events.h"
#include "teach/response_teaching.h"

// Runs the "#" and "##" commands of one user against a throwaway brain. Training notices are
// switched on and reach the recorded IRC sender, so a test sees them as actions to the user.
class TeachFixture : public StageFixture {
  protected:
    TeachFixture() {
        Settings& s = settings();
        s.allowDataTeaching = true;
        s.allowTrainingMode = true;
        s.restrictAdvancedTeaching = false;
        s.restrictNicksInTeachingData = false;
        s.nickname = "TalvaneBOT";
        fakes.irc.online = true;
        brain.db().execute("INSERT INTO users_options (user, ease_teaching) VALUES (?, 'YES')",
                           {kNick});
    }

    // Runs TeachResponse on `phrase` as Anna's private message with the given privilege.
    void command(const QString& phrase, Privilege privilege = Privilege::Owner) {
        Request& r = input(phrase, kNick, TargetKind::Private);
        r.Privilege = privilege;
        fakes.irc.sent.clear();
        TeachResponse(*engine);
    }

    // Runs CheckKeyEvents on `phrase`, the way the cycle does right after correction.
    void select(const QString& phrase, Privilege privilege = Privilege::Owner) {
        Request& r = input(phrase, kNick, TargetKind::Private);
        r.Privilege = privilege;
        fakes.irc.sent.clear();
        CheckKeyEvents(*engine);
    }

    // Anna's last phrase, as the dialogue records keep it.
    void lastPhrase(const QString& phrase, const QString& table = "interface_s",
                    const QString& originalQuestion = "") {
        brain.db().execute(
            "INSERT INTO lastphrase_user (user, phrase, teacher, contextual, mmas_question, "
            "mmas_answer, original_question, interface_type) VALUES (?, ?, 'NO', 'NO', "
            "'QUENMARK', 'TALVANE', ?, ?)",
            {kNick, phrase, originalQuestion, table});
    }

    // What the character said to Anna last.
    void characterSaid(const QString& phrase) {
        brain.db().execute("INSERT INTO lastphrase_ai (user, phrase) VALUES (?, ?)",
                           {kNick, phrase});
    }

    // The training notices sent to Anna.
    QStringList notices() const {
        QStringList found;
        for (const QString& line : fakes.irc.sent)
            if (line.startsWith("ACTION Anna :")) found << line.mid(13);
        return found;
    }

    bool handled() { return engine->state.outcomes.TeachingHandled && request().Answered; }

    // Every row of the tables that teaching writes, so that a refusal can be shown to write none.
    QString taughtRows() {
        QString rows;
        for (const char* table :
             {"interface_s", "interface_q", "users_stats", "lastphrase_user", "unsolved_data"}) {
            Query& db = brain.db();
            db.open(QString("SELECT * FROM ") + table + " ORDER BY `index`");
            rows += QString(table) + ':' + QString::number(db.recordCount());
            for (db.first(); !db.eof(); db.next())
                rows += '|' + db.field("question") + db.field("answer") + db.field("phrase") +
                        db.field("teacher") + db.field("teached_count");
            rows += '\n';
        }
        return rows;
    }

    static inline const QString kNick = QStringLiteral("Anna");
};
