#include "links.h"

#include "engine/console_log.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

namespace {

// Tried in this order; the first one the phrase holds is the link.
struct LinkPrefix {
    QStringView prefix;
    const char* consoleLine;
};

constexpr LinkPrefix kLinkPrefixes[] = {
    {u"HTTPS:", "A.I. > Found HTTPS link."},   {u"HTTP:", "A.I. > Found HTTP link."},
    {u"FTPS:", "A.I. > Found FTPS link."},     {u"FTP:", "A.I. > Found FTP link."},
    {u"WWW", "A.I. > Found simple WWW link."},
};

}  // namespace

void DetectLinks(Engine& engine) {
    Request& r = engine.state.request;
    r.HasLink = false;
    for (const auto& [prefix, consoleLine] : kLinkPrefixes) {
        const qsizetype at = r.WorkPhrase.indexOf(prefix, 0, Qt::CaseInsensitive);
        if (at < 0) continue;
        // The address ends at the first blank; the blank goes with it.
        const QString rest = r.WorkPhrase.mid(at) + u' ';
        const qsizetype length = rest.indexOf(u' ') + 1;
        r.LinkText = rest.left(length);
        r.WorkPhrase.remove(at + prefix.size(), length - prefix.size());
        ReplaceAll(r.WorkPhrase, prefix, QString(prefix.toString() + u' '));
        r.LinkPrefix = prefix.toString();
        r.HasLink = true;
        DetailLine(engine, QString::fromUtf8(consoleLine));
        break;
    }
    SqueezeBlankRuns(r.LinkText, 10);
    TrimBlanks(r.LinkText);
}
