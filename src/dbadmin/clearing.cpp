#include "clearing.h"

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "engine/outside.h"
#include "engine/settings.h"

namespace {

constexpr const char* kByUsers = "This database data is created by users";
constexpr const char* kByProgram = "This database data is created by Q.I.V.O™";

ClearingArea Taught(const char* caption, QStringList tables, const char* all, const char* zero,
                    const char* suffix) {
    return ClearingArea{
        caption, kByUsers, std::move(tables), "date_learned", "time_learned", "owner", all,
        zero,    suffix};
}

ClearingArea Kept(const char* caption, const char* hint, QStringList tables, const char* all,
                  const char* zero, const char* suffix) {
    return ClearingArea{caption, hint, std::move(tables), {}, {}, "user", all, zero, suffix};
}

// The statement that deletes the rows the criteria name; none where nothing can match.
struct Deletion {
    QString sql;
    QVariantList values;
};

std::optional<Deletion> DeletionFor(const ClearingArea& area, const QString& table,
                                    const ClearingCriteria& c) {
    QStringList conditions;
    QVariantList values;
    if (c.byDateAndTime) {
        // An area without dates has no row of the given date.
        if (area.dateColumn.isEmpty()) return std::nullopt;
        conditions << area.dateColumn + " LIKE ?" << area.timeColumn + " LIKE ?";
        values << c.year + '.' + c.month + '.' + c.day << c.hour + ':' + c.minute + '%';
    }
    if (c.byTeacher) {
        conditions << area.nickColumn + "=?";
        // Bans record the nick as it was; every other table keeps nicks in nick encoding.
        values << (table == "users_banned" ? c.teacher : EncodeNick(c.teacher));
    }
    return Deletion{"DELETE FROM " + table + " WHERE " + conditions.join(" AND "), values};
}

QString ClearWhole(Query& db, const ClearingArea& area, const QString& defaultChannel) {
    for (const QString& table : area.tables)
        db.execute("TRUNCATE TABLE " + table);
    if (area.whole == ClearingArea::Whole::MiscTemporary)
        db.execute("INSERT INTO system_channels (`channel`) VALUES (?)", {defaultChannel});
    return QString::fromUtf8(area.allMessage);
}

}  // namespace

const std::vector<ClearingArea>& ClearingAreas() {
    using W = ClearingArea::Whole;
    static const std::vector<ClearingArea> areas = [] {
        std::vector<ClearingArea> all = {
            Taught("Question Responses", {"interface_q"}, "All questions cleared!",
                   "0 question(s) cleared!", " question(s) cleared!"),
            Taught("Standard Responses", {"interface_s"}, "All standard phrases cleared!",
                   "0 standard phrase(s) cleared!", " standard phrase(s) cleared!"),
            Taught("Context Keywords", {"words_context"}, "All defined context keywords cleared!",
                   "0 defined context keyword(s) cleared!", " defined context keyword(s) cleared!"),
            Taught("Command Synonyms", {"words_cmd_syn"}, "All defined command synonyms cleared!",
                   "0 defined command synonyms cleared!", " defined command synonyms cleared!"),
            Taught("Word Synonyms", {"words_relationship"}, "All defined word synonyms cleared!",
                   "0 defined word synonyms cleared!", " defined word synonyms cleared!"),
            Taught("Word Corrections", {"words_correction"},
                   "All defined word corrections cleared!", "0 defined word corrections cleared!",
                   " defined word corrections cleared!"),
            Taught("Case Sensitive Words", {"words_cs", "words_css"},
                   "All defined case sensitive words cleared!",
                   "0 defined case sensitive word(s) cleared!",
                   " defined case sensitive word(s) cleared!"),
            Taught("Positives", {"words_positive"}, "All defined positives cleared!",
                   "0 defined positive(s) cleared!", " defined positive(s) cleared!"),
            Taught("Negatives", {"words_negative"}, "All defined negatives cleared!",
                   "0 defined negative(s) cleared!", " defined negative(s) cleared!"),
            Taught("Bad Content Words", {"words_bc"}, "All defined bad content words cleared!",
                   "0 defined bad content word(s) cleared!",
                   " defined bad content word(s) cleared!"),
            ClearingArea{"Event System Msg.",
                         "This database data is created by owner and users",
                         {"system_messages"},
                         {},
                         {},
                         {},
                         "All event system messages cleared!",
                         nullptr,
                         nullptr,
                         W::EventMessages},
            Kept("Last Context Info", kByProgram, {"lastphrase_ai", "lastphrase_user", "mmas"},
                 "All dialogue context entrys cleared!", "0 dialogue context entry(s) cleared!",
                 " dialogue context entry(s) cleared!"),
            Kept("User Training Stats", kByProgram, {"users_stats"},
                 "All user training stats entrys cleared!",
                 "0 user training stats entry(s) cleared!",
                 " user training stats entry(s) cleared!"),
            Kept("Users Personalities", kByProgram, {"users_personality"},
                 "All information entrys on users personalities cleared!",
                 "0 information entry(s) on users personalities cleared!",
                 " information entry(s) on users personalities cleared!"),
            Kept("User / Moder. Settings", "This database data is created by users and Q.I.V.O™",
                 {"users_options", "users_privileges", "users_banned"},
                 "All user / moderator personal settings entrys cleared!",
                 "0 entry(s) cleared from user / moderator personal settings",
                 " entry(s) cleared from user / moderator personal settings!"),
            ClearingArea{"Unsolved data",
                         kByProgram,
                         {"unsolved_data"},
                         "date_said",
                         "time_said",
                         "user",
                         "All unsolved data entrys cleared!",
                         "0 entry(s) cleared from unsolved data!",
                         " entry(s) cleared from unsolved data!"},
            ClearingArea{"Dialog History",
                         kByProgram,
                         {"users_history"},
                         "date_said",
                         "time_said",
                         "user",
                         "All dialogue history entrys cleared!",
                         "0 entry(s) cleared from dialogue history!",
                         " entry(s) cleared from dialogue history!"},
            ClearingArea{"Misc Temporary Data",
                         kByProgram,
                         {"system_channels"},
                         {},
                         {},
                         {},
                         "All misc temporary data cleared!",
                         nullptr,
                         nullptr,
                         W::MiscTemporary},
        };
        return all;
    }();
    return areas;
}

const ClearingArea* FindClearingArea(const QString& caption) {
    for (const ClearingArea& area : ClearingAreas())
        if (caption.compare(QString::fromUtf8(area.caption), Qt::CaseInsensitive) == 0)
            return &area;
    return nullptr;
}

ClearingCriteria ClearingCriteria::From(const Settings& s) {
    return ClearingCriteria{
        s.clearByDateAndTime, s.clearByTeachersNick, s.clearYear,   s.clearMonth,
        s.clearDay,           s.clearHour,           s.clearMinute, s.clearTeachersNickname};
}

QString ClearArea(Query& db, const ClearingArea& area, const ClearingCriteria& criteria,
                  const QString& defaultChannel) {
    if (area.whole != ClearingArea::Whole::No || (!criteria.byDateAndTime && !criteria.byTeacher))
        return ClearWhole(db, area, defaultChannel);
    qint64 cleared = 0;
    for (const QString& table : area.tables)
        if (const std::optional<Deletion> deletion = DeletionFor(area, table, criteria))
            cleared += db.execute(deletion->sql, deletion->values);
    return cleared > 0 ? QString::number(cleared) + QString::fromUtf8(area.countSuffix)
                       : QString::fromUtf8(area.zeroMessage);
}

QString NewClearingKey(RandomSource& random) {
    QString key;
    for (const char letter : {'A', 'B', 'C'})
        key += QChar::fromLatin1(letter) + QString::number(std::max(10, random.bounded(99)));
    return key;
}

bool ClearingKeyAccepted(const QString& typed, const QString& key, bool withoutKey) {
    return withoutKey || typed == key;
}
