#include "command_call.h"

#include "engine/engine.h"

QString CommandCall::rawAfter() const {
    return e.state.request.RawText.mid(at + command.size());
}

QString CommandCall::phraseAfter() const {
    return e.state.request.WorkPhrase.mid(at + command.size());
}

void CommandCall::reply(const QString& text) const {
    e.out.irc->SendPrivmsg(e.state.request.UserNick, text);
}

void CommandCall::action(const QString& text) const {
    e.out.irc->SendAction(e.state.request.UserNick, text);
}

std::optional<QString> OneNick(const QString& text) {
    const QString nick = text.trimmed();
    if (nick.isEmpty()) return std::nullopt;
    for (const QChar c : nick)
        if (c.isSpace() || c.category() == QChar::Other_Control) return std::nullopt;
    return nick;
}

void DoesNotKnow(const CommandCall& call, const QString& nick) {
    call.action("does not know users " + nick + " hostname.");
    call.reply("User " + nick + " has to make some conversation with me.");
}
