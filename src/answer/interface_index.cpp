#include "interface_index.h"

#include "brain/phrase_markers.h"
#include "brain/query.h"

#include <algorithm>

namespace {

// Phrases longer than this are matched by the server: testing every stored word against them
// would cost more than it saves.
constexpr qsizetype kLongestPhrase = 512;

// The text as the server receives it: a bound value travels as UTF-8, which has no room for a
// lone surrogate.
QString AsSent(const QString& text) {
    return QString::fromUtf8(text.toUtf8());
}

// CHAR_LENGTH of valid text: one for every character, a surrogate pair being one.
qsizetype CodePoints(QStringView text) {
    return text.size() -
           std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

// LENGTH of valid text: its UTF-8 bytes, a surrogate pair being four.
qsizetype Utf8Bytes(QStringView text) {
    qsizetype bytes = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        bytes += u < 0x80 ? 1 : u < 0x800 || c.isSurrogate() ? 2 : 3;
    }
    return bytes;
}

// Every character that a case-insensitive regular expression matches against an ASCII letter
// becomes that lower-case letter: ASCII capitals, the Kelvin sign, the long s and the dotted and
// dotless i. Others stay as they are and so can never equal ASCII text.
char16_t FoldForAscii(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z') return char16_t(u + (u'a' - u'A'));
    if (u == u'\u212A') return u'k';
    if (u == u'\u017F') return u's';
    if (u == u'\u0130' || u == u'\u0131') return u'i';
    return u;
}

QString FoldedForAscii(QStringView text) {
    QString folded(text.size(), Qt::Uninitialized);
    std::transform(text.begin(), text.end(), folded.begin(), FoldForAscii);
    return folded;
}

// Whether the text holds the folded needle once both are folded.
bool ContainsFolded(QStringView text, QStringView foldedNeedle) {
    for (qsizetype at = 0; at + foldedNeedle.size() <= text.size(); ++at) {
        qsizetype i = 0;
        while (i < foldedNeedle.size() && FoldForAscii(text[at + i]) == foldedNeedle[i])
            ++i;
        if (i == foldedNeedle.size()) return true;
    }
    return false;
}

// Whether a question holds one of the markers that advanced data matching passes over, as the
// server's case-insensitive regular expression sees it.
bool HoldsPhraseMarker(QStringView question) {
    static const QString context = FoldedForAscii(kContextMarker);
    static const QString earlier = FoldedForAscii(kEarlierQuestionMarker);
    return ContainsFolded(question, context) || ContainsFolded(question, earlier);
}

// The pairs of neighbouring characters within the words of a pattern, folded as for ASCII: one
// bit for each, many pairs sharing a bit. Whatever holds a text within its words, whatever the
// case, holds all of the text's bits; a row lacking one can be passed over without reading it.
quint64 PairBits(QStringView pattern) {
    quint64 bits = 0;
    for (qsizetype i = 1; i < pattern.size(); ++i) {
        const char16_t a = FoldForAscii(pattern[i - 1]), b = FoldForAscii(pattern[i]);
        if (a == u'%' || b == u'%') continue;
        bits |= quint64(1) << ((((quint32(a) << 16) ^ b) * 0x9E3779B1u) >> 26);
    }
    return bits;
}

bool HasAllBits(quint64 bits, quint64 wanted) {
    return (bits & wanted) == wanted;
}

// Whatever holds all bits of another holds all of its folded bits too.
quint32 Folded(quint64 bits) {
    return quint32(bits) | quint32(bits >> 32);
}

bool HasAllBits(quint32 bits, quint32 wanted) {
    return (bits & wanted) == wanted;
}

bool IsAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// LIKE's other wildcard and its escape character: a pattern holding them is left to the server.
bool HasLikeSpecials(QStringView text) {
    return text.contains(u'_') || text.contains(u'\\');
}

// Whether `subject` matches `pattern` as LIKE does under a binary collation, for a pattern whose
// only wildcard is "%": its pieces in order, the first at the start, the last at the end. It
// runs for thousands of rows a lookup, so it walks the pattern in place.
bool LikeMatches(QStringView subject, QStringView pattern) {
    const qsizetype firstWildcard = pattern.indexOf(u'%');
    if (firstWildcard < 0) return subject == pattern;
    const qsizetype lastWildcard = pattern.lastIndexOf(u'%');
    const QStringView head = pattern.first(firstWildcard);
    const QStringView tail = pattern.sliced(lastWildcard + 1);
    if (head.size() + tail.size() > subject.size() || !subject.startsWith(head) ||
        !subject.endsWith(tail))
        return false;
    // The pieces between the first and the last "%" must follow one another between the head
    // and the tail.
    const QStringView middle = subject.first(subject.size() - tail.size());
    qsizetype from = head.size();
    for (qsizetype at = firstWildcard + 1; at < lastWildcard;) {
        const qsizetype next = pattern.indexOf(u'%', at);
        const QStringView piece = pattern.sliced(at, next - at);
        if (!piece.isEmpty()) {
            const qsizetype found = middle.indexOf(piece, from);
            if (found < 0) return false;
            from = found + piece.size();
        }
        at = next + 1;
    }
    return true;
}

// The words of a pattern: the non-empty pieces between its "%".
QList<QStringView> Words(QStringView pattern) {
    return pattern.split(u'%', Qt::SkipEmptyParts);
}

QStringView LongestWord(const QList<QStringView>& words) {
    QStringView longest;
    for (const QStringView word : words)
        if (word.size() > longest.size()) longest = word;
    return longest;
}

}  // namespace

bool InterfaceIndex::refresh(Query& db, const QString& table) {
    // The live checksum changes with every row written, the next key with every row added.
    const std::optional<TableState> state = db.catalogue().state(table);
    if (!state || state->checksum.isEmpty()) {
        *this = InterfaceIndex{};
        return false;
    }
    if (state != signature_ && !follow(db, table, *state)) {
        rebuild(db, table);
        signature_ = state;
    }
    return true;
}

// Whether this connection's own changes lead from the copy's state to `now`; each change is
// taken in as it goes. Rows taken away stay named, as the copy may name more than there is.
bool InterfaceIndex::follow(Query& db, const QString& table, const TableState& now) {
    const auto changes = db.questionChanges().since(table, changesSeen_);
    if (!changes || !signature_) return false;
    for (const QuestionChange& change : *changes) {
        if (change.before != *signature_) return false;
        follow(change);
        signature_ = change.after;
    }
    // A row that changed its question is named by its old one as well; past a point, reading
    // the table again takes less memory than naming them all.
    constexpr qsizetype kMostOutgrown = 1024;
    return *signature_ == now && rows_.size() <= 2 * rowsRead_ + kMostOutgrown;
}

void InterfaceIndex::follow(const QuestionChange& change) {
    const quint32 columns = change.columns ? columnsId(*change.columns) : kUnknownColumns;
    for (const quint32 key : change.keys)
        add(key, columns, AsSent(change.question));
    if (change.from.isEmpty()) return;
    const QString from = AsSent(change.from), to = AsSent(change.to);
    const qsizetype known = rows_.size();
    for (qsizetype at = 0; at < known; ++at) {
        if (!rows_[at].question.contains(from)) continue;
        add(rows_[at].key, rows_[at].columns, QString(rows_[at].question).replace(from, to));
    }
}

void InterfaceIndex::rebuild(Query& db, const QString& table) {
    const qint64 reads = reads_ + 1;
    *this = InterfaceIndex{};
    reads_ = reads;
    changesSeen_ = db.questionChanges().end();
    const int count =
        db.open("SELECT `index`, question, category, daylight_time, personality FROM " + table);
    // Room for the rows taught before the next read, so that the first of them does not copy
    // every row to a larger list while someone waits for an answer.
    const qsizetype room = count + count / 8 + 64;
    rows_.reserve(room);
    pairBits_.reserve(room);
    for (db.first(); !db.eof(); db.next())
        add(db.field("index").toUInt(),
            columnsId({db.field("category"), db.field("daylight_time"), db.field("personality")}),
            db.field("question"));
    rowsRead_ = rows_.size();
}

// A copy holds a handful of different categories, daytimes and personalities among many rows.
quint32 InterfaceIndex::columnsId(const RankingColumns& columns) {
    const auto known = columnIds_.constFind(columns);
    if (known != columnIds_.cend()) return *known;
    const quint32 id = quint32(columns_.size());
    columns_.append(columns);
    columnIds_.insert(columns, id);
    return id;
}

// The word lists point into the questions the rows keep, which never change once added.
void InterfaceIndex::add(quint32 key, quint32 columns, const QString& question) {
    const qsizetype at = rows_.size();
    rows_.append({key, columns, question});
    const QString& kept = rows_.last().question;
    const quint64 bits = PairBits(kept);
    pairBits_.append(bits);
    const Entry entry{quint32(at), Folded(bits)};
    byLength_[CodePoints(kept)].append(entry);
    const QList<QStringView> words = Words(kept);
    for (const QStringView word : words) {
        QList<Entry>& rows = byWord_[word];
        if (rows.isEmpty() || rows.last().at != entry.at) rows.append(entry);
    }
    // Advanced data matching takes questions of three "%" and more as patterns.
    if (kept.count(u'%') <= 2) return;
    const QStringView longest = LongestWord(words);
    if (longest.isEmpty() || HasLikeSpecials(kept))
        alwaysPatterns_.append(at);
    else
        byLongestWord_[longest].append(entry);
}

// Equal length, and every word within the question whatever its case. Only words of ASCII
// characters are tested, whose case-insensitive matches all fold to them. Words that the server
// would read as regular expressions are left to it. A question of another category is found
// only where it equals the phrase, whatever the case; the copy tells that for an ASCII phrase.
bool InterfaceIndex::mixedWordRows(const QString& pattern, QList<Hit>& hits) const {
    if (HasRegexSpecials(pattern)) return false;
    QStringList needles;
    quint64 wanted = 0;
    for (const QStringView word : Words(pattern)) {
        if (!IsAscii(word)) continue;
        needles << FoldedForAscii(word);
        wanted |= PairBits(needles.last());
    }
    const std::optional<QString> phrase =
        IsAscii(pattern) ? std::optional(FoldedForAscii(pattern)) : std::nullopt;
    const quint32 folded = Folded(wanted);
    for (const Entry entry : byLength_.value(CodePoints(pattern))) {
        if (!HasAllBits(entry.foldedBits, folded)) continue;
        const qsizetype at = entry.at;
        if (!HasAllBits(pairBits_[at], wanted)) continue;
        const QString& question = rows_[at].question;
        if (std::all_of(needles.begin(), needles.end(),
                        [&](const QString& needle) { return ContainsFolded(question, needle); }))
            hits.append(
                {at, CandidateRow::Match::FirstPass, !phrase || ContainsFolded(question, *phrase)});
    }
    return true;
}

// A stored question as a pattern over the phrase: its longest word must be in the phrase. The
// phrase as a pattern over a stored question: the phrase's longest word must be within one word
// of the question.
bool InterfaceIndex::admRows(const QString& pattern, QList<Hit>& hits) const {
    if (pattern.size() > kLongestPhrase) return false;
    for (const qsizetype at : alwaysPatterns_)
        hits.append({at, CandidateRow::Match::StoredAsPattern});
    const quint64 phraseBits = PairBits(pattern);
    const quint32 folded = Folded(phraseBits);
    for (auto it = byLongestWord_.cbegin(); it != byLongestWord_.cend(); ++it) {
        if (!pattern.contains(it.key())) continue;
        for (const Entry entry : it.value())
            if (HasAllBits(folded, entry.foldedBits) &&
                HasAllBits(phraseBits, pairBits_[entry.at]) &&
                LikeMatches(pattern, rows_[entry.at].question))
                hits.append({entry.at, CandidateRow::Match::StoredAsPattern});
    }
    if (pattern.count(u'%') <= 2) return true;
    const QStringView longest = LongestWord(Words(pattern));
    if (longest.isEmpty() || HasLikeSpecials(pattern)) return false;
    for (auto it = byWord_.cbegin(); it != byWord_.cend(); ++it) {
        if (!it.key().contains(longest)) continue;
        for (const Entry entry : it.value())
            if (HasAllBits(entry.foldedBits, folded) &&
                HasAllBits(pairBits_[entry.at], phraseBits) &&
                LikeMatches(rows_[entry.at].question, pattern) &&
                !HoldsPhraseMarker(rows_[entry.at].question))
                hits.append({entry.at, CandidateRow::Match::PhraseAsPattern});
    }
    return true;
}

std::optional<QList<Candidate>> InterfaceIndex::candidates(const QString& pattern, bool mixedWords,
                                                           bool adm,
                                                           const RankOf& lowestRank) const {
    if (!mixedWords && !adm) return std::nullopt;
    const QString sent = AsSent(pattern);
    QList<Hit> hits;
    if (mixedWords && !mixedWordRows(sent, hits)) return std::nullopt;
    if (adm && !admRows(sent, hits)) return std::nullopt;
    QList<Candidate> found;
    found.reserve(hits.size());
    for (const Hit& hit : std::as_const(hits)) {
        const Row& row = rows_[hit.at];
        const bool byLength = hit.match == CandidateRow::Match::StoredAsPattern;
        const qint64 rank = lowestRank(
            {hit.match, row.columns == kUnknownColumns ? nullptr : &columns_[row.columns],
             byLength ? Utf8Bytes(row.question) : 0, hit.mayEqualPhrase});
        if (rank != kNeverFound) found.append({row.key, rank});
    }
    // A row named twice, by its question before and after this program changed it or by more
    // than one way it could be found, keeps its lowest rank.
    std::sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return a.key != b.key ? a.key < b.key : a.lowestRank < b.lowestRank;
    });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const Candidate& a, const Candidate& b) { return a.key == b.key; }),
                found.end());
    return found;
}

InterfaceIndex* InterfaceIndexes::current(Query& db, const QString& table) {
    InterfaceIndex& index = tables_[table];
    return index.refresh(db, table) ? &index : nullptr;
}
