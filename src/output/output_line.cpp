#include "output_line.h"

#include "case_sensitive_words.h"
#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/text_rules.h"
#include "placeholders.h"

#include <optional>

namespace {

// A link is taken out of the line while sentences are capitalised and punctuation is tidied, so
// that its dots and case survive; only its prefix stays in the line as a place holder.
struct ProtectedLink {
    QString prefix;  // in lower case, as it stands in the line
    QString link;    // in lower case, without a sentence mark of its own at its end
};

QString WithoutFinalMark(QString link) {
    for (const QChar end : {QChar(' '), QChar('.'), QChar('!'), QChar('?')})
        if (link.endsWith(end)) link.chop(1);
    return link;
}

std::optional<ProtectedLink> ProtectLinks(Engine& engine, QString& line) {
    struct Kind {
        const char* prefix;
        const char* found;
    };
    static const Kind kinds[] = {
        {"HTTPS:", "A.I. > Found HTTPS link."},   {"HTTP:", "A.I. > Found HTTP link."},
        {"FTPS:", "A.I. > Found FTPS link."},     {"FTP:", "A.I. > Found FTP link."},
        {"WWW", "A.I. > Found simple WWW link."},
    };
    const QString upper = line.toUpper();
    for (const Kind& kind : kinds) {
        const QString prefix = QString::fromLatin1(kind.prefix);
        const qsizetype at = upper.indexOf(prefix);
        if (at < 0) continue;
        const qsizetype blank = line.indexOf(' ', at);
        const qsizetype end = blank < 0 ? line.size() : blank + 1;
        ProtectedLink kept{line.mid(at, prefix.size()).toLower(),
                           WithoutFinalMark(line.mid(at, end - at).toLower())};
        line = line.left(at + prefix.size()) + ' ' + line.mid(end);
        DetailLine(engine, QString::fromLatin1(kind.found));
        return kept;
    }
    return std::nullopt;
}

// Puts the link back in place of its prefix and the blank that followed it.
void RestoreLink(QString& line, const ProtectedLink& kept) {
    qsizetype at = line.indexOf(kept.prefix + ' ', 0, Qt::CaseInsensitive);
    qsizetype length = kept.prefix.size() + 1;
    if (at < 0) {
        at = line.indexOf(kept.prefix, 0, Qt::CaseInsensitive);
        length = kept.prefix.size();
    }
    if (at >= 0) line.replace(at, length, kept.link + ' ');
}

void CapitaliseAfter(QString& line, QStringView mark) {
    for (qsizetype at = line.indexOf(mark); at >= 0; at = line.indexOf(mark, at + 1)) {
        const qsizetype letter = at + mark.size();
        if (letter < line.size()) line[letter] = line.at(letter).toUpper();
    }
}

bool IsDecimalPoint(const QString& line, qsizetype at) {
    return line.at(at) == u'.' && at > 0 && at + 1 < line.size() && line.at(at - 1).isDigit() &&
           line.at(at + 1).isDigit();
}

// A blank after every sentence mark, except the point inside a number ("2.50", "1.0.0.0"), which
// would otherwise come out as "2. 50".
void SpaceAfterMarks(QString& line) {
    QString spaced;
    spaced.reserve(line.size() * 2);
    for (qsizetype at = 0; at < line.size(); ++at) {
        const QChar c = line.at(at);
        spaced += c;
        if ((c == u'.' || c == u'!' || c == u'?') && !IsDecimalPoint(line, at)) spaced += u' ';
    }
    line = spaced;
}

void SentenceCase(QString& line) {
    SpaceAfterMarks(line);
    for (const QStringView mark : {u". ", u"! ", u"? "}) {
        SqueezeBlanks(line, 10);
        CapitaliseAfter(line, mark);
    }
}

void LatvianCommas(QString& line) {
    ApplyInOrder(line, {{u" bet ", u", bet "},
                        {u" vai ", u", vai "},
                        {u" lai ", u", lai "},
                        {u" ka ", u", ka "},
                        {u" kas ", u", kas "},
                        {u" kurš ", u", kurš "},
                        {u" kura ", u", kura "},
                        {u" kuru ", u", kuru "},
                        {u" kurus ", u", kurus "},
                        {u" kuram ", u", kuram "},
                        {u" kurai ", u", kurai "},
                        {u" kuriem ", u", kuriem "},
                        {u" kurām ", u", kurām "},
                        {u" kurie ", u", kurie "},
                        {u" kaut, kas ", u" kaut kas "},
                        {u"kaut, kas ", u"kaut kas "},
                        {u"kaut, kas", u"kaut kas"}});
}

void TidyPunctuation(QString& line) {
    ApplyInOrder(line, {{u",,,", u","},
                        {u",,", u","},
                        {u", ,", u","},
                        {u" ,", u", "},
                        {u"  ?", u"?"},
                        {u" ?", u"?"},
                        {u"??", u"?"},
                        {u"? ? ?", u"?"},
                        {u"? ?", u"?"},
                        {u"  !", u"!"},
                        {u" !", u"!"},
                        {u"!!", u"!"},
                        {u"! ! !", u"!"},
                        {u"! !", u"!"},
                        {u"..", u"."},
                        {u"..", u"."},
                        {u". . .", u"."},
                        {u". .", u"."},
                        {u" .", u"."}});
}

void LetterPairs(QString& line) {
    ApplyInOrder(line, {{u"Ā", u"Aa"}, {u"Š", u"Sh"}, {u"Ģ", u"Gj"}, {u"Č", u"Ch"}, {u"Ņ", u"Nj"},
                        {u"Ķ", u"Kj"}, {u"Ļ", u"Lj"}, {u"Ē", u"Ee"}, {u"Ū", u"Uu"}, {u"Ī", u"Ii"},
                        {u"Ž", u"Zh"}, {u"ā", u"aa"}, {u"š", u"sh"}, {u"ģ", u"gj"}, {u"č", u"ch"},
                        {u"ņ", u"nj"}, {u"ķ", u"kj"}, {u"ļ", u"lj"}, {u"ē", u"ee"}, {u"ū", u"uu"},
                        {u"ī", u"ii"}, {u"ž", u"zh"}});
}

// What sentence case and full stops do to the program's own name and version banner.
void FixedRestorations(QString& line) {
    for (char letter = 'a'; letter <= 'z'; ++letter)
        line.replace(QStringLiteral("[%1]").arg(QChar(letter)),
                     QStringLiteral("[%1]").arg(QChar(letter).toUpper()));
    ApplyInOrder(line, {{u"Www", u"www"},
                        {u"Http", u"http"},
                        {u"Https", u"https"},
                        {u"Ftp", u"ftp"},
                        {u"Ftps", u"ftps"},
                        {u"Q. I. V. O™", u"Q.I.V.O™"},
                        {u"Q. I. V. O", u"Q.I.V.O"},
                        {u"q. I. V. O", u"Q.I.V.O"},
                        {u"quenmark talvane", u"Quenmark Talvane"}});
}

}  // namespace

QString PrepareOutputLine(Engine& engine, QString line, const QString& addressee) {
    const Settings& settings = engine.state.settings;
    DetailLine(engine, "A.I. > Preparing output..");
    line.remove(QLatin1String("[sysmsg]"));
    ReplaceAll(line, u" , ", u", ");
    SqueezeBlankRuns(line, 10);
    while (line.startsWith(' '))
        line.remove(0, 1);

    const std::optional<ProtectedLink> link = ProtectLinks(engine, line);
    SentenceCase(line);
    FillPlaceholders(engine, line, addressee);
    LatvianCommas(line);
    if (link) RestoreLink(line, *link);

    while (line.endsWith(' '))
        line.chop(1);
    static const QString sentenceEnds = QStringLiteral("?.!,:");
    if (line.isEmpty() || !sentenceEnds.contains(line.back())) line += '.';
    // No full stop right after a link that ends the line: it would read as part of the link.
    if (link)
        for (const QChar mark : {QChar('.'), QChar('!'), QChar('?')})
            if (line.endsWith(link->link + mark)) {
                line.chop(1);
                break;
            }
    TidyPunctuation(line);
    RestoreCaseSensitiveWords(engine, line);
    if (!line.isEmpty()) line[0] = line.at(0).toUpper();
    if (!settings.latvianSymbolConversion) LetterPairs(line);
    FixedRestorations(line);
    DetailLine(engine, "A.I. > Output prepared.");
    return line;
}
