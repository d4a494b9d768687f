#include "phrase_rules.h"

#include "brain/rule_finder.h"
#include "erase_command_check.h"
#include "system_commands.h"

#include "brain/phrase_markers.h"
#include "engine/console_log.h"
#include "engine/contains.h"
#include "engine/dialogue_records.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

#include <QHash>

namespace {

// What tells the three stages apart. The found line and the notice take the definite form as %1
// and the pattern as %2.
struct RuleStage {
    RuleKind kind;
    QString table, order;
    QString start, found, notice, none;
    int noticedRules;  // how many applied rules get a training notice; -1 for all
};

const RuleStage kCommandSynonyms{
    RuleKind::CommandSynonym,
    QStringLiteral("words_cmd_syn"),
    QStringLiteral(" ORDER BY LENGTH(indefinite) DESC"),
    QStringLiteral("A.I. > Searching for command synonym(s).."),
    QStringLiteral("A.I. > Found command: \"%1\" for command synonym: \"%2\"."),
    QStringLiteral("found command: \"%1\" for command synonym: \"%2\"."),
    QStringLiteral("A.I. > No command synonym(s) found."),
    3};

const RuleStage kCorrections{
    RuleKind::Correction,
    QStringLiteral("words_correction"),
    QString(),
    QStringLiteral("A.I. > Searching for incorrect word(s).."),
    QStringLiteral("A.I. > Found correction: \"%1\" for incorrect word: \"%2\"."),
    QStringLiteral("found correction: \"%1\" for word: \"%2\"."),
    QStringLiteral("A.I. > No incorrect word(s) found."),
    3};

const RuleStage kSynonyms{RuleKind::Synonym,
                          QStringLiteral("words_relationship"),
                          QStringLiteral(" ORDER BY LENGTH(indefinite) DESC"),
                          QStringLiteral("A.I. > Searching for word(s) synonym(s).."),
                          QStringLiteral("A.I. > Found synonym: \"%1\" for word(s): \"%2\"."),
                          QStringLiteral("found synonym: \"%1\" for word(s): \"%2\"."),
                          QStringLiteral("A.I. > No word(s) synonym(s) found."),
                          -1};

// A synonym rule met this many times ends its stage.
constexpr int kSynonymMeetings = 5;
// Every rule is applied at most once, but rules whose replacement holds their own pattern still
// double the phrase with each one. A rewrite that would make the phrase longer than this beyond
// what the user wrote is not applied (and so ends the stage when its rule comes back).
constexpr qsizetype kMaxGrowth = 4000;

const Replacement kSymbolSpacing[] = {
    {u"  ", u" "},     {u" # ", u"#"},   {u" #", u"#"},   {u"# ", u"#"},     {u"< >", u"<>"},
    {u" < > ", u"<>"}, {u" <> ", u"<>"}, {u"<> ", u"<>"}, {u" <>", u"<>"},   {u" = ", u"="},
    {u"= ", u"="},     {u" =", u"="},    {u"< <", u"<<"}, {u" < < ", u"<<"}, {u" << ", u"<<"},
    {u"<< ", u"<<"},   {u" <<", u"<<"},  {u"> >", u">>"}, {u" > > ", u">>"}, {u" >> ", u">>"},
    {u">> ", u">>"},   {u" >>", u">>"},
};

// Each Latvian letter and its digraph, in the order in which both spellings are made.
const Replacement kLatvianLetters[] = {
    {u"Ā", u"AA"}, {u"Š", u"SH"}, {u"Ģ", u"GJ"}, {u"Č", u"CH"}, {u"Ņ", u"NJ"}, {u"Ķ", u"KJ"},
    {u"Ļ", u"LJ"}, {u"Ē", u"EE"}, {u"Ū", u"UU"}, {u"Ī", u"II"}, {u"Ž", u"ZH"},
};

QString Framed(const QString& text) {
    return ' ' + text + ' ';
}

// The written forms of a command synonym in the unfolded copy: both Latvian spellings in Latvian
// mode, the pattern itself otherwise (the copy differs from the phrase only by letter runs then).
QStringList UnfoldedForms(const Engine& engine, const QString& indefinite) {
    if (!engine.state.settings.latvianLanguageMode) return {indefinite};
    const auto [digraphs, letters] = SpellLatvianCommandSynonym(indefinite);
    return {digraphs, letters};
}

void ReplaceFirstOfEach(QString& text, const QStringList& forms, const QString& by) {
    for (const QString& form : forms)
        ReplaceFirst(text, form, by);
}

class RuleLoop {
  public:
    RuleLoop(Engine& engine, const RuleStage& stage)
        : e_(engine), r_(engine.state.request), stage_(stage) {}

    void run() {
        ConsoleLine(e_, stage_.start);
        RuleFinder finder(e_.db, stage_.table, stage_.order);
        work_ = r_.WorkPhrase;
        maxLength_ = r_.WorkPhrase.size() + kMaxGrowth;
        while (const std::optional<PhraseRule> found = finder.find(subject())) {
            const PhraseRule rule{found->indefinite.toUpper(), found->definite.toUpper()};
            if (!meet(rule.indefinite)) break;
            consider(rule);
            if (work_.size() > maxLength_) break;
        }
        if (last_ && commands()) {
            ReplaceFirstOfEach(r_.PhraseBeforeCorrection, UnfoldedForms(e_, last_->indefinite),
                               last_->definite);
        }
        tidy();
    }

    // Only the tidying, for a phrase the stage must leave alone.
    void tidy() {
        ReplaceAll(r_.WorkPhrase, u"  ", u" ");
        if (synonyms()) {
            TrimBlanks(r_.WorkPhrase);
            TrimBlanks(r_.PhraseBeforeCorrection);
        } else {
            if (r_.WorkPhrase.startsWith(' ')) r_.WorkPhrase.remove(0, 1);
            if (r_.WorkPhrase.endsWith(' ')) r_.WorkPhrase.chop(1);
        }
        if (applied_ == 0) ConsoleLine(e_, stage_.none);
        ApplyInOrder(r_.WorkPhrase, kSymbolSpacing);
        ApplyInOrder(r_.PhraseBeforeCorrection, kSymbolSpacing);
    }

  private:
    bool commands() const { return stage_.kind == RuleKind::CommandSynonym; }
    bool synonyms() const { return stage_.kind == RuleKind::Synonym; }
    bool latvianCheck() const { return commands() && e_.state.settings.latvianLanguageMode; }
    const QString& subject() const { return synonyms() ? work_ : r_.WorkPhrase; }

    // Counts the rule; false when meeting it again ends the stage. A synonym met again is blanked
    // out of the work copy so that the next question finds other rules.
    bool meet(const QString& indefinite) {
        int& meetings = met_[indefinite];
        if (++meetings == 1) return true;
        if (!synonyms() || meetings >= kSynonymMeetings) return false;
        ReplaceAll(work_, indefinite, u" ");
        return true;
    }

    void consider(const PhraseRule& rule) {
        const bool asWords = Contains(Framed(work_), Framed(rule.indefinite)) > 0;
        const QString rewritten = rewrite(rule);
        if (synonyms()) ReplaceAll(work_, rule.indefinite, rule.definite);
        if (rewritten.size() > maxLength_) return;
        if (!PassesEraseCommandCheck(checked(rule, rewritten), stage_.kind, latvianCheck())) return;
        if (synonyms() && !asWords) return;
        if (synonyms()) {
            r_.WorkPhrase = Framed(r_.WorkPhrase);
            ReplaceAll(r_.WorkPhrase, Framed(rule.indefinite), Framed(rule.definite));
        } else {
            r_.WorkPhrase = rewritten;
        }
        report(rule);
    }

    // The phrase with the rule applied: every occurrence, or for a single word every occurrence
    // as a whole word once the system commands in it stand apart.
    QString rewrite(const PhraseRule& rule) {
        QString rewritten;
        if (r_.WorkPhrase.contains(' ')) {
            rewritten = r_.WorkPhrase;
            ReplaceAll(rewritten, rule.indefinite, rule.definite);
            return rewritten;
        }
        ProtectSystemCommands(e_);
        rewritten = r_.WorkPhrase;
        ReplaceAll(rewritten, Framed(rule.indefinite), Framed(rule.definite));
        ReplaceAll(rewritten, u"  ", u" ");
        return rewritten;
    }

    // What the erase-command check looks at: in Latvian mode a command synonym is judged on the
    // unfolded copy, whose letters are as the user typed them.
    QString checked(const PhraseRule& rule, const QString& rewritten) const {
        if (!latvianCheck()) return rewritten;
        QString unfolded = r_.PhraseBeforeCorrection;
        ReplaceFirstOfEach(unfolded, UnfoldedForms(e_, rule.indefinite), rule.definite);
        return unfolded;
    }

    void report(const PhraseRule& rule) {
        ++applied_;
        last_ = rule;
        const QString definite = rule.definite.toLower(), indefinite = rule.indefinite.toLower();
        ConsoleLine(e_, stage_.found.arg(definite, indefinite));
        if (stage_.noticedRules < 0 || applied_ <= stage_.noticedRules)
            TrainingNotice(e_, stage_.notice.arg(definite, indefinite));
    }

    Engine& e_;
    Request& r_;
    const RuleStage& stage_;
    QString work_;
    qsizetype maxLength_ = 0;
    QHash<QString, int> met_;
    int applied_ = 0;
    std::optional<PhraseRule> last_;
};

}  // namespace

void ApplyCommandSynonyms(Engine& engine) {
    if (Contains(engine.state.request.WorkPhrase, kContextMarker)) return;
    RuleLoop(engine, kCommandSynonyms).run();
}

void ApplyCorrections(Engine& engine) {
    RuleLoop(engine, kCorrections).run();
}

void ApplySynonyms(Engine& engine) {
    RuleLoop loop(engine, kSynonyms);
    if (IsProtectedPhrase(engine)) return loop.tidy();
    loop.run();
}

std::pair<QString, QString> SpellLatvianCommandSynonym(const QString& indefinite) {
    QString digraphs = indefinite, letters = indefinite;
    for (const auto& [letter, digraph] : kLatvianLetters) {
        ReplaceAll(digraphs, letter, digraph);
    }
    for (const auto& [letter, digraph] : kLatvianLetters) {
        ReplaceAll(letters, digraph, letter);
    }
    return {digraphs, letters};
}
