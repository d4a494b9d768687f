#include "irc_features.h"

namespace {

// 005 values escape characters as "\xHH" (a blank is "\x20").
QString UnescapeValue(const QString& value) {
    if (!value.contains(QLatin1String("\\x"))) return value;
    QByteArray bytes;
    const QByteArray raw = value.toUtf8();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        bool ok = false;
        const int code = i + 3 < raw.size() && raw[i] == '\\' && raw[i + 1] == 'x'
                             ? raw.mid(i + 2, 2).toInt(&ok, 16)
                             : 0;
        if (ok) {
            bytes += char(code);
            i += 3;
        } else {
            bytes += raw[i];
        }
    }
    return QString::fromUtf8(bytes);
}

}  // namespace

void IrcFeatures::reset() {
    values_.clear();
    apply({});
}

void IrcFeatures::apply(const QStringList& tokens) {
    for (const QString& token : tokens) {
        if (token.startsWith('-')) {
            values_.remove(token.mid(1).toUpper());
            continue;
        }
        const qsizetype equals = token.indexOf('=');
        const QString name = (equals < 0 ? token : token.left(equals)).toUpper();
        if (!name.isEmpty()) values_.insert(name, equals < 0 ? QString() : token.mid(equals + 1));
    }
    // The derived fields are made again from the defaults and every token the server sent, so a
    // "-TOKEN" brings its default back.
    caseMapping_ = IrcCaseMapping::Rfc1459;
    prefixModes_ = "ov";
    prefixSymbols_ = "@+";
    listModes_ = "beI";
    alwaysParamModes_ = "k";
    addParamModes_ = "l";
    chanTypes_ = "#&";
    statusMsg_.clear();
    userLength_ = 10;
    hostLength_ = 63;
    channelLength_ = 200;
    for (auto it = values_.cbegin(); it != values_.cend(); ++it)
        applyToken(it.key(), UnescapeValue(it.value()));
}

void IrcFeatures::applyToken(const QString& name, const QString& value) {
    if (name == "CASEMAPPING") {
        const QString mapping = value.toLower();
        caseMapping_ = mapping == "rfc1459"          ? IrcCaseMapping::Rfc1459
                       : mapping == "strict-rfc1459" ? IrcCaseMapping::StrictRfc1459
                                                     : IrcCaseMapping::Ascii;
    } else if (name == "PREFIX") {
        // "(qaohv)~&@%+": as many symbols as letters, or nothing at all.
        const qsizetype close = value.indexOf(')');
        if (value.isEmpty()) {
            prefixModes_.clear();
            prefixSymbols_.clear();
        } else if (value.startsWith('(') && close > 0 && value.size() - close - 1 == close - 1) {
            prefixModes_ = value.mid(1, close - 1);
            prefixSymbols_ = value.mid(close + 1);
        }
    } else if (name == "CHANMODES") {
        const QStringList groups = value.split(',');
        listModes_ = groups.value(0);
        alwaysParamModes_ = groups.value(1);
        addParamModes_ = groups.value(2);
    } else if (name == "CHANTYPES") {
        chanTypes_ = value;
    } else if (name == "STATUSMSG") {
        statusMsg_ = value;
    } else if (name == "USERLEN" || name == "HOSTLEN" || name == "CHANNELLEN") {
        bool ok = false;
        const int length = value.toInt(&ok);
        if (!ok || length <= 0) return;
        (name == "USERLEN"   ? userLength_
         : name == "HOSTLEN" ? hostLength_
                             : channelLength_) = length;
    }
}

QString IrcFeatures::fold(const QString& name) const {
    QString folded = name;
    for (QChar& c : folded) {
        const char16_t u = c.unicode();
        if (u >= 'A' && u <= 'Z')
            c = QChar(u + ('a' - 'A'));
        else if (caseMapping_ == IrcCaseMapping::Ascii)
            continue;
        else if (u == '[')
            c = '{';
        else if (u == ']')
            c = '}';
        else if (u == '\\')
            c = '|';
        else if (u == '~' && caseMapping_ == IrcCaseMapping::Rfc1459)
            c = '^';
    }
    return folded;
}

bool IrcFeatures::isChannel(const QString& target) const {
    return !target.isEmpty() && chanTypes_.contains(target[0]);
}

QString IrcFeatures::channelOfTarget(const QString& target) const {
    if (isChannel(target)) return target;
    qsizetype skip = 0;
    while (skip < target.size() && statusMsg_.contains(target[skip]))
        ++skip;
    const QString rest = target.mid(skip);
    return skip > 0 && isChannel(rest) ? rest : QString();
}

IrcFeatures::ParamUse IrcFeatures::paramUseOf(QChar mode) const {
    if (prefixModes_.contains(mode) || listModes_.contains(mode) ||
        alwaysParamModes_.contains(mode))
        return ParamUse::Always;
    if (addParamModes_.contains(mode)) return ParamUse::WhenAdding;
    return ParamUse::Never;
}

QList<IrcModeChange> IrcFeatures::walkModes(const QStringList& arguments) const {
    QList<IrcModeChange> changes;
    qsizetype nextParam = 1;
    bool adding = true;
    for (QChar c : arguments.value(0)) {
        if (c == '+' || c == '-') {
            adding = c == '+';
            continue;
        }
        const ParamUse use = paramUseOf(c);
        const bool takesParam = use == ParamUse::Always || (use == ParamUse::WhenAdding && adding);
        changes.append({c, adding, takesParam ? arguments.value(nextParam++) : QString()});
    }
    return changes;
}

IrcName IrcFeatures::parseName(const QString& entry) const {
    IrcName name;
    qsizetype i = 0;
    for (; i < entry.size(); ++i) {
        const qsizetype rank = prefixSymbols_.indexOf(entry[i]);
        if (rank < 0) break;
        name.modes += prefixModes_[rank];
    }
    name.nick = entry.mid(i);
    const qsizetype bang = name.nick.indexOf('!');
    if (bang >= 0) name.nick.truncate(bang);
    return name;
}
