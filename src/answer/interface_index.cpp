#include "interface_index.h"

#include "lookup_conditions.h"

#include "brain/query.h"

#include <algorithm>

namespace {

// More candidates than this are cheaper for the server to find by reading the table.
constexpr qsizetype kMostCandidates = 1024;
// Phrases longer than this are matched by the server: testing every stored word against them
// would cost more than it saves.
constexpr qsizetype kLongestPhrase = 512;

// The text as the server receives it: a bound value travels as UTF-8, which has no room for a
// lone surrogate.
QString AsSent(const QString& text) {
    return QString::fromUtf8(text.toUtf8());
}

// CHAR_LENGTH of valid text: one for every character, a surrogate pair being one.
qsizetype CodePoints(const QString& text) {
    return text.size() -
           std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

// Every character that a case-insensitive regular expression matches against an ASCII letter
// becomes that lower-case letter: ASCII capitals, the Kelvin sign, the long s and the dotted and
// dotless i. Others stay as they are and so can never equal ASCII text.
QString FoldForAscii(const QString& text) {
    QString folded = text;
    for (QChar& c : folded) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            c = QChar(u + (u'a' - u'A'));
        else if (u == u'\u212A')
            c = u'k';
        else if (u == u'\u017F')
            c = u's';
        else if (u == u'\u0130' || u == u'\u0131')
            c = u'i';
    }
    return folded;
}

bool IsAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// LIKE's other wildcard and its escape character: a pattern holding them is left to the server.
bool HasLikeSpecials(const QString& text) {
    return text.contains('_') || text.contains('\\');
}

// Whether `subject` matches `pattern` as LIKE does under a binary collation, for a pattern whose
// only wildcard is "%": its pieces in order, the first at the start, the last at the end.
bool LikeMatches(QStringView subject, QStringView pattern) {
    const QList<QStringView> pieces = pattern.split(u'%');
    if (pieces.size() == 1) return subject == pattern;
    const QStringView head = pieces.first();
    const QStringView tail = pieces.last();
    if (head.size() + tail.size() > subject.size() || !subject.startsWith(head) ||
        !subject.endsWith(tail))
        return false;
    qsizetype from = head.size();
    const qsizetype end = subject.size() - tail.size();
    for (qsizetype i = 1; i + 1 < pieces.size(); ++i) {
        const qsizetype at = subject.indexOf(pieces[i], from);
        if (at < 0 || at + pieces[i].size() > end) return false;
        from = at + pieces[i].size();
    }
    return true;
}

QString LongestWord(const QString& pattern) {
    QString longest;
    for (const QString& word : pattern.split('%', Qt::SkipEmptyParts))
        if (word.size() > longest.size()) longest = word;
    return longest;
}

}  // namespace

bool InterfaceIndex::refresh(Query& db, const QString& table) {
    // The live checksum changes with every row written, the next key with every row added.
    db.open(
        "SELECT CHECKSUM AS live_checksum, AUTO_INCREMENT AS next_key, TABLE_ROWS AS row_count "
        "FROM information_schema.TABLES WHERE TABLE_SCHEMA = DATABASE() AND TABLE_NAME = ?",
        {table});
    const QStringList signature{db.field("live_checksum"), db.field("next_key"),
                                db.field("row_count")};
    if (signature.first().isEmpty()) {
        *this = InterfaceIndex{};
        return false;
    }
    if (signature != signature_) {
        rebuild(db, table);
        signature_ = signature;
    }
    return true;
}

void InterfaceIndex::rebuild(Query& db, const QString& table) {
    *this = InterfaceIndex{};
    rows_.reserve(db.open("SELECT `index`, question FROM " + table));
    for (db.first(); !db.eof(); db.next()) {
        const QString question = db.field("question");
        const qsizetype at = rows_.size();
        rows_.append({db.field("index").toUInt(), question, FoldForAscii(question)});
        byLength_[CodePoints(question)].append(at);
        const QStringList words = question.split('%', Qt::SkipEmptyParts);
        for (const QString& word : words) {
            QList<qsizetype>& rows = byWord_[word];
            if (rows.isEmpty() || rows.last() != at) rows.append(at);
        }
        // Advanced data matching takes questions of three "%" and more as patterns.
        if (question.count('%') <= 2) continue;
        const QString longest = LongestWord(question);
        if (longest.isEmpty() || HasLikeSpecials(question))
            alwaysPatterns_.append(at);
        else
            byLongestWord_[longest].append(at);
    }
}

// Equal length, and every word within the question whatever its case. Only words of ASCII
// characters are tested, whose case-insensitive matches all fold to them. Words that the server
// would read as regular expressions are left to it.
bool InterfaceIndex::mixedWordRows(const QString& pattern, QList<qsizetype>& rows) const {
    if (HasRegexSpecials(pattern)) return false;
    QStringList needles;
    for (const QString& word : pattern.split('%', Qt::SkipEmptyParts))
        if (IsAscii(word)) needles << FoldForAscii(word);
    for (const qsizetype at : byLength_.value(CodePoints(pattern))) {
        const QString& folded = rows_[at].folded;
        if (std::all_of(needles.begin(), needles.end(),
                        [&](const QString& needle) { return folded.contains(needle); }))
            rows.append(at);
    }
    return true;
}

// A stored question as a pattern over the phrase: its longest word must be in the phrase. The
// phrase as a pattern over a stored question: the phrase's longest word must be within one word
// of the question.
bool InterfaceIndex::admRows(const QString& pattern, QList<qsizetype>& rows) const {
    if (pattern.size() > kLongestPhrase) return false;
    rows += alwaysPatterns_;
    for (auto it = byLongestWord_.cbegin(); it != byLongestWord_.cend(); ++it) {
        if (!pattern.contains(it.key())) continue;
        for (const qsizetype at : it.value())
            if (LikeMatches(pattern, rows_[at].question)) rows.append(at);
    }
    if (pattern.count('%') <= 2) return true;
    const QString longest = LongestWord(pattern);
    if (longest.isEmpty() || HasLikeSpecials(pattern)) return false;
    for (auto it = byWord_.cbegin(); it != byWord_.cend(); ++it) {
        if (!it.key().contains(longest)) continue;
        for (const qsizetype at : it.value())
            if (LikeMatches(rows_[at].question, pattern)) rows.append(at);
    }
    return true;
}

std::optional<QList<quint32>> InterfaceIndex::candidates(const QString& pattern, bool mixedWords,
                                                         bool adm) const {
    if (!mixedWords && !adm) return std::nullopt;
    const QString sent = AsSent(pattern);
    QList<qsizetype> rows;
    if (mixedWords && !mixedWordRows(sent, rows)) return std::nullopt;
    if (adm && !admRows(sent, rows)) return std::nullopt;
    QList<quint32> keys;
    keys.reserve(rows.size());
    for (const qsizetype at : std::as_const(rows))
        keys.append(rows_[at].key);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    if (keys.size() > kMostCandidates) return std::nullopt;
    return keys;
}

InterfaceIndex* InterfaceIndexes::current(Query& db, const QString& table) {
    InterfaceIndex& index = tables_[table];
    return index.refresh(db, table) ? &index : nullptr;
}
