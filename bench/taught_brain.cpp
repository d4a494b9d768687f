#include "taught_brain.h"

#include "brain/query.h"
#include "brain/question_pattern.h"
#include "teach/answer_form.h"

namespace {

// Common chat words; the first ones are drawn far more often, as in real chat.
const char* const kWords[] = {
    "YOU",     "I",        "THE",       "IS",      "ARE",    "WHAT",     "DO",       "IT",
    "A",       "TO",       "HOW",       "ME",      "MY",     "LIKE",     "THAT",     "YOUR",
    "NOT",     "CAN",      "HAVE",      "SO",      "WHY",    "KNOW",     "THIS",     "GOOD",
    "WELL",    "NOW",      "JUST",      "WHERE",   "WHO",    "LOVE",     "THINK",    "TIME",
    "DAY",     "NAME",     "FRIEND",    "TODAY",   "WANT",   "REALLY",   "PLEASE",   "TELL",
    "ABOUT",   "MUSIC",    "MOVIE",     "GAME",    "HOME",   "WORK",     "NIGHT",    "MORNING",
    "WEATHER", "FOOD",     "PIZZA",     "COFFEE",  "TEA",    "CAT",      "DOG",      "BOOK",
    "SCHOOL",  "CITY",     "RIGA",      "LONDON",  "SUMMER", "WINTER",   "RAIN",     "SUN",
    "HAPPY",   "SAD",      "TIRED",     "BORED",   "FUNNY",  "NICE",     "COOL",     "GREAT",
    "BAD",     "BEST",     "FAVOURITE", "COLOUR",  "BLUE",   "RED",      "GREEN",    "OLD",
    "NEW",     "BIG",      "LITTLE",    "FAST",    "SLOW",   "PLAY",     "SING",     "DANCE",
    "READ",    "WRITE",    "EAT",       "DRINK",   "SLEEP",  "GO",       "COME",     "SEE",
    "HEAR",    "SAY",      "HELP",      "NEED",    "MAKE",   "FEEL",     "LIVE",     "BORN",
    "AGE",     "YEARS",    "BOT",       "HUMAN",   "ROBOT",  "COMPUTER", "INTERNET", "CHAT",
    "CHANNEL", "SERVER",   "BROTHER",   "SISTER",  "MOTHER", "FATHER",   "FAMILY",   "LOVELY",
    "WEEKEND", "HOLIDAY",  "TRAIN",     "CAR",     "BIKE",   "SEA",      "RIVER",    "FOREST",
    "SNOW",    "COLD",     "WARM",      "HOT",     "SPORT",  "FOOTBALL", "HOCKEY",   "TEAM",
    "WIN",     "LOSE",     "MONEY",     "JOB",     "BOSS",   "LUNCH",    "DINNER",   "BREAKFAST",
    "APPLE",   "BREAD",    "CHEESE",    "BEER",    "WINE",   "WATER",    "PHONE",    "PHOTO",
    "GUITAR",  "PIANO",    "SONG",      "BAND",    "STAR",   "MOON",     "SPACE",    "SCIENCE",
    "HISTORY", "LANGUAGE", "ENGLISH",   "LATVIAN", "FRENCH", "GERMAN",   "QUESTION", "ANSWER",
    "SECRET",  "DREAM",    "STORY",
};
constexpr int kWordCount = int(std::size(kWords));

const char* const kQuestionStarts[] = {"WHAT IS", "HOW DO", "WHERE IS", "WHO IS",  "DO YOU",
                                       "CAN YOU", "WHY IS", "ARE YOU",  "WHAT DO", "HOW IS"};
const char* const kDaytimes[] = {"Night",  "Deep Night", "Early Morning", "Morning",
                                 "Midday", "Afternoon",  "Evening"};
const char* const kPersonalities[] = {"Normal", "Normal",    "Normal",  "Good",
                                      "Bad",    "Wery Good", "Wery Bad"};
const char* const kAnswerEnds[] = {"!", "?", ".", ", FRIEND!", "", ""};

}  // namespace

QString TaughtBrain::word() {
    // Two draws, keep the smaller: early words come up far more often.
    const int a = int(random_.bounded(kWordCount));
    const int b = int(random_.bounded(kWordCount));
    return kWords[std::min(a, b)];
}

QString TaughtBrain::words(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << word();
    return list.join(' ');
}

QString TaughtBrain::answer() {
    QStringList lines;
    const int lineCount = random_.bounded(10) == 0 ? 2 + int(random_.bounded(3)) : 1;
    for (int i = 0; i < lineCount; ++i)
        lines << words(2 + int(random_.bounded(10))) +
                     kAnswerEnds[random_.bounded(int(std::size(kAnswerEnds)))];
    return AnswerForm(lines.join(" # "));
}

TaughtBrain::Row TaughtBrain::makeRow() {
    Row row;
    const int shape = int(random_.bounded(100));
    if (shape < 12) {
        // A short pattern of two or three words, the kind "[ADMEXPAND]" and ADM live on.
        row.table = "interface_s";
        row.phrase = words(2 + int(random_.bounded(2)));
    } else if (shape < 45) {
        row.table = "interface_q";
        row.phrase = QString(kQuestionStarts[random_.bounded(int(std::size(kQuestionStarts)))]) +
                     ' ' + words(1 + int(random_.bounded(4)));
    } else {
        row.table = "interface_s";
        row.phrase = words(2 + int(random_.bounded(6)));
    }
    row.question = QuestionPattern(row.phrase);
    if (row.table == "interface_q") row.phrase += '?';
    row.answer = answer();
    row.daytime = kDaytimes[random_.bounded(int(std::size(kDaytimes)))];
    row.personality = kPersonalities[random_.bounded(int(std::size(kPersonalities)))];
    return row;
}

void TaughtBrain::grow(Query& db, int count) {
    constexpr int kBatch = 500;
    QList<Row> fresh;
    for (int i = 0; i < count; ++i) {
        const Row row = makeRow();
        const qsizetype index = rows_.size();
        if (row.table == "interface_s") {
            standardRows_ << index;
            if (row.question.count('%') <= 4) admRows_ << index;
        }
        rows_ << row;
        fresh << row;
    }
    for (const char* table : {"interface_s", "interface_q"}) {
        QList<const Row*> batch;
        auto flush = [&] {
            if (batch.isEmpty()) return;
            QString sql = QStringLiteral("INSERT INTO ") + table +
                          " (personality, daylight_time, category, question, answer, owner, "
                          "date_learned, time_learned) VALUES ";
            QVariantList params;
            for (qsizetype i = 0; i < batch.size(); ++i) {
                sql += i == 0 ? "(?, ?, ?, ?, ?, ?, ?, ?)" : ", (?, ?, ?, ?, ?, ?, ?, ?)";
                params << batch[i]->personality << batch[i]->daytime << "DEFAULT"
                       << batch[i]->question << batch[i]->answer << "Owner"
                       << "2026.12.01"
                       << "12:00:00";
            }
            db.execute(sql, params);
            batch.clear();
        };
        for (const Row& row : fresh) {
            if (row.table != QLatin1String(table)) continue;
            batch << &row;
            if (batch.size() == kBatch) flush();
        }
        flush();
    }
}

QString TaughtBrain::storedPhrase() {
    return rows_[random_.bounded(int(rows_.size()))].phrase;
}

QString TaughtBrain::shuffledPhrase() {
    QStringList list =
        rows_[standardRows_[random_.bounded(int(standardRows_.size()))]].phrase.split(' ');
    std::reverse(list.begin(), list.end());
    return list.join(' ');
}

QString TaughtBrain::admPhrase() {
    const QStringList pattern =
        rows_[admRows_[random_.bounded(int(admRows_.size()))]].phrase.split(' ');
    QStringList phrase{words(1)};
    for (const QString& w : pattern)
        phrase << w << words(1 + int(random_.bounded(2)));
    return phrase.join(' ');
}

QString TaughtBrain::unknownPhrase() {
    return words(3 + int(random_.bounded(4)));
}
