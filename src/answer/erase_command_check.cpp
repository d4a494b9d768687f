#include "erase_command_check.h"

#include "engine/contains.h"
#include "engine/text_rules.h"

#include <QStringList>

namespace {

const QStringList kTeachingSymbols = {"#", "##", "=", "<>", ">>", "<<"};

bool IsBareTeachingSymbol(const QString& text) {
    for (const QString& symbol : kTeachingSymbols)
        if (text == symbol || text == ' ' + symbol + ' ') return true;
    return false;
}

bool IsDegenerate(const QString& text, const QString& symbol, bool latvian) {
    if (symbol == "<>") return text == "<><><>" || text == " <> <> <> ";
    return text == "===" || text == " = = = " || (latvian && text == "= = =");
}

// The sides around the first `symbol` must differ; for command synonyms the left side must not
// hold a teaching symbol of its own.
bool SidesAllowed(const QString& text, const QString& symbol, RuleKind kind, bool latvian) {
    if (IsDegenerate(text, symbol, latvian)) return false;
    const qsizetype at = text.indexOf(symbol);
    QString left = text.left(at), right = text.mid(at + symbol.size());
    TrimBlanks(left);
    TrimBlanks(right);
    if (kind == RuleKind::CommandSynonym)
        for (const char* mark : {"#", "=", "<>", ">>", "<<"})
            if (left.contains(mark)) return false;
    return left != right;
}

}  // namespace

bool PassesEraseCommandCheck(const QString& rewritten, RuleKind kind, bool latvian) {
    const bool commands = kind == RuleKind::CommandSynonym;
    if (commands && IsBareTeachingSymbol(rewritten)) return true;
    if (Contains(rewritten, "<>") && !SidesAllowed(rewritten, "<>", kind, latvian)) return false;
    if (commands && Contains(rewritten, "=") && !SidesAllowed(rewritten, "=", kind, latvian))
        return false;
    return true;
}
