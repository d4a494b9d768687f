#pragma once

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// How the server folds nicks and channel names when it compares them (CASEMAPPING of 005).
enum class IrcCaseMapping {
    Ascii,          // A-Z = a-z
    Rfc1459,        // also [ ] \ ~ = { } | ^
    StrictRfc1459,  // also [ ] \ = { } |
};

// One change of a MODE line: "+o bot" is {'o', true, "bot"}, "-m" is {'m', false, ""}.
struct IrcModeChange {
    QChar mode;
    bool adding = true;
    QString param;
    bool operator==(const IrcModeChange&) const = default;
};
Q_DECLARE_METATYPE(IrcModeChange)

// One entry of a channel's name list (353): the nick and its channel-status modes, "o" for
// "@bot", "ov" for "@+bot" (multi-prefix), "" for a plain member.
struct IrcName {
    QString nick;
    QString modes;
    bool operator==(const IrcName&) const = default;
};
Q_DECLARE_METATYPE(IrcName)

// What the server says it supports in its 005 (ISUPPORT) lines, with the RFC 1459 defaults until
// it says otherwise.
class IrcFeatures {
  public:
    IrcFeatures() { reset(); }
    void reset();
    // The tokens of one 005 line: its parameters without our nick and the closing text.
    void apply(const QStringList& tokens);

    IrcCaseMapping caseMapping() const { return caseMapping_; }
    // The name folded the server's way; two names are the same when their folds are.
    QString fold(const QString& name) const;
    bool sameName(const QString& a, const QString& b) const { return fold(a) == fold(b); }

    bool isChannel(const QString& target) const;
    // The channel a message target names: "#c" for "#c", and for "@#c" (to the operators of #c)
    // when "@" is in STATUSMSG; empty when the target is not a channel.
    QString channelOfTarget(const QString& target) const;

    // Channel-status modes and their name-list symbols, in rank order: "ov" and "@+".
    const QString& prefixModes() const { return prefixModes_; }
    const QString& prefixSymbols() const { return prefixSymbols_; }
    // Walks a channel MODE line's arguments ("+o-v+b", "a", "b", "mask") into one change per
    // mode letter, giving each the parameter its letter takes by PREFIX and CHANMODES.
    QList<IrcModeChange> walkModes(const QStringList& arguments) const;
    // Splits a name-list entry ("@+bot", "+bot!u@h") into nick and status modes.
    IrcName parseName(const QString& entry) const;

    // USERLEN and HOSTLEN, or the conservative lengths when the server names none.
    int userLength() const { return userLength_; }
    int hostLength() const { return hostLength_; }
    // CHANNELLEN, or the RFC's 200 when the server names none.
    int channelLength() const { return channelLength_; }

  private:
    enum class ParamUse { Always, WhenAdding, Never };
    ParamUse paramUseOf(QChar mode) const;
    void applyToken(const QString& name, const QString& value);

    IrcCaseMapping caseMapping_ = IrcCaseMapping::Rfc1459;
    QString prefixModes_, prefixSymbols_;
    QString listModes_, alwaysParamModes_, addParamModes_;  // CHANMODES groups A, B, C
    QString chanTypes_, statusMsg_;
    int userLength_ = 10, hostLength_ = 63, channelLength_ = 200;
    QHash<QString, QString> values_;  // every token the server sent, by name
};
