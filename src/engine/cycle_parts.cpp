#include "cycle_parts.h"

#include "engine.h"

#include "brain/phrase_markers.h"
#include "brain/query.h"

#include <array>
#include <utility>

ClockParts ComputeClockParts(const QDateTime& now) {
    const QDate date = now.date();
    const QTime time = now.time();
    return ClockParts{.hour = QString::number(time.hour()),
                      .minute = QString::number(time.minute()),
                      .year = QString::number(date.year()),
                      .month = QString::number(date.month()),
                      .day = QString::number(date.day()),
                      .DateText = date.toString("yyyy.MM.dd"),
                      .TimeText = time.toString("hh:mm:ss")};
}

void CountBrainRows(Engine& engine) {
    BrainCounts& c = engine.state.counts;
    qint64 caseSensitive = 0;
    const std::array<std::pair<const char*, qint64*>, 13> tables = {{
        {"interface_s", &c.interfaceS},
        {"interface_q", &c.interfaceQ},
        {"words_cmd_syn", &c.cmdSynonyms},
        {"words_relationship", &c.synonyms},
        {"words_correction", &c.corrections},
        {"words_context", &c.contextWords},
        {"words_positive", &c.positiveWords},
        {"words_negative", &c.negativeWords},
        {"words_css", &caseSensitive},
        {"words_cs", &c.caseSensitiveWords},
        {"system_messages", &c.systemMessages},
        {"lastphrase_user", &c.lastphraseUser},
        {"unsolved_data", &c.unsolvedData},
    }};
    // The catalogue's counts: the tables this program wrote are read again, the others are at
    // most a second old. The cycle runs every 300 ms and each round trip counts.
    Catalogue& catalogue = engine.db.catalogue();
    for (const auto& [table, count] : tables)
        *count = catalogue.rowCount(table);
    c.caseSensitiveWords += caseSensitive;
}

void VersionBanner(Engine& engine) {
    static const QStringList triggers = {"QIVOPROGRAMVERSION", "TALVANEVERSIONINFO",
                                         "QUENMARKVERSION001"};
    Request& r = engine.state.request;
    if (!triggers.contains(r.WorkPhrase)) return;
    r.OutputPhrase = QStringLiteral("Q.I.V.O™ Quenmark Talvane™ # Version ") + TALVANE_VERSION;
    r.Answered = true;
    engine.state.outcomes.VersionReplied = true;
}

QString LoggedInput(const QString& workPhrase) {
    QString logged = workPhrase.toLower();
    const qsizetype marker = logged.indexOf(' ' + kContextMarker + ' ', 0, Qt::CaseInsensitive);
    if (marker >= 0) logged.truncate(marker);
    static const std::array<std::pair<QStringView, QStringView>, 6> tokens = {{
        {u"secondteachingcmd", u"##"},
        {u"phraseteachingcmd", u"#"},
        {u"smeangteachingcmd", u"="},
        {u"smeangerasingcmd", u"<>"},
        {u"contexteachingcmd", u">>"},
        {u"contexterasingcmd", u"<<"},
    }};
    for (const auto& [token, command] : tokens) {
        const qsizetype at = logged.indexOf(token, 0, Qt::CaseInsensitive);
        if (at >= 0) logged.replace(at, token.size(), command.toString());
    }
    return logged;
}

QString UnknownAnswerEvent(const QString& inputCategory, int level, const QString& workPhrase) {
    const bool question = inputCategory == "interface_q";
    const QString kind = question ? "Question" : "Standard";
    if (workPhrase.contains(kContextMarker, Qt::CaseInsensitive))
        return "On Unknown Answer - Contextual - " + kind;
    if (workPhrase.size() > (question ? 80 : 90))
        return "On Unknown Answer - " + kind + " Max Length";
    return QStringLiteral("On Unknown Answer - %1 Level %2").arg(kind).arg(qBound(1, level, 5));
}
