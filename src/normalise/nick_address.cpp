#include "nick_address.h"

#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

namespace {

// Characters of nicks that separate words around the nick.
constexpr QStringView kNickCharacters[] = {
    u"[", u"]", u"-", u"_", u"^", u"`", u"|", u"\\",
};

// Punctuation that may cling to the nick; it is deleted.
constexpr QStringView kClinging[] = {
    u"'", u"#", u"/", u":",  u"~", u"@", u"$", u"%", u"&", u"*", u"(", u")", u"+",
    u"{", u"}", u";", u"\"", u".", u",", u"!", u"?", u"°", u">", u"<", u"=",
};

}  // namespace

bool IsNickAddressed(const QString& message, const QString& nick) {
    const QString upperNick = nick.toUpper();
    if (upperNick.isEmpty()) return false;
    QString text = message.toUpper() + u' ';
    const qsizetype at = text.indexOf(upperNick);
    if (at >= 0) {
        ReplaceAll(text, upperNick, u"");
        ReplaceEach(text, kNickCharacters, u" ");
        // The nick goes back where it first stood, less what was deleted in front of it.
        QString front = text.left(at);
        QString back = text.mid(at);
        ReplaceEach(front, kClinging, u"");
        ReplaceEach(back, kClinging, u"");
        text = front + upperNick + back;
    }
    SqueezeBlanks(text, 1);
    text += u' ';
    return text.split(u' ', Qt::SkipEmptyParts).contains(upperNick);
}

void StripOwnNick(Engine& engine) {
    Request& r = engine.state.request;
    const QString& nick = engine.state.settings.nickname;
    if (!IsNickAddressed(r.WorkPhrase, nick)) return;
    r.OwnNickFound = true;
    RemoveIgnoringCase(r.WorkPhrase, nick);
    SqueezeBlanks(r.WorkPhrase, 1);
    ConsoleLine(engine, QStringLiteral("A.I. > Removed Q.I.V.O™ nickname from message."));
}
