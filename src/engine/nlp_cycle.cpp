// The NLP cycle: one input per tick of NLPtimer, through every stage in a fixed order. It reads
// top to bottom: take the input, understand it, teach or answer, log it, deliver, finish. A stage
// that answers or handles the input ends the pipeline early: "Log" still logs and answers, "Finish"
// only closes the cycle.

#include "brain/nick_encoding.h"
#include "brain/query.h"
#include "brain_outage.h"
#include "console_log.h"
#include "cycle_parts.h"
#include "dialogue_records.h"
#include "engine.h"
#include "event_answer.h"
#include "input_queue.h"
#include "log_files.h"
#include "text_files.h"

namespace {

enum class Next { Continue, Log, Finish };

// From the daytime to the answer lookup.
Next UnderstandAndAnswer(Engine& e) {
    EngineState& s = e.state;
    Request& r = s.request;
    Outcomes& o = s.outcomes;
    const Stages& st = e.stages;

    // Before the input is understood: who speaks, and whether it is a command.
    Run(st.ClassifyDaytime, e);
    if (s.settings.processPublicMessages && r.TargetKind != TargetKind::Private)
        ConsoleLine(e, "A.I. > Processing public message..");
    PlayCue(e, "nlp.wav");
    VersionBanner(e);
    if (o.VersionReplied) return Next::Log;
    Run(st.ResolvePrivilege, e);
    if (r.Privilege == Privilege::Ignored) return Next::Finish;
    // Only after the privileges: a user the character ignores is never watched for silence.
    if (s.settings.allowLonelyTalking) Run(st.WatchUser, e);
    if (s.settings.allowIrcCommands) {
        Run(st.DispatchChatCommand, e);
        if (o.CommandDone) {
            ConsoleLine(e, "A.I. > Command \"" + r.WorkPhrase + "\" succeed.");
            r.Answered = true;
            return Next::Finish;
        }
    }
    ChatLogLine(e, r.TargetKind, r.ReplyTarget, r.UserNick, s.settings.nickname,
                r.WorkPhrase.toLower(), ChatLineKind::Input);

    // Classification and normalisation.
    Run(st.ClassifyInterface, e);
    Run(st.DetectLinks, e);
    if (s.settings.removeOwnNickFromMsg) Run(st.StripOwnNick, e);
    Run(st.TokenisePhrase, e);
    r.PhraseBeforeCorrection = r.WorkPhrase;
    ConsoleLine(e, "A.I. > Processing smart input correction..");
    Run(st.SmartInputCorrection, e);
    ConsoleLine(e, "A.I. > Finished smart input correction.");

    // Understanding: a pending key event, the rewriting rules, mood, repetition and the inputs
    // that answer themselves.
    Run(st.CheckKeyEvents, e);
    if (s.keyEvents.KeyEventOutcome == KeyEventOutcome::Consumed) return Next::Finish;
    if (s.keyEvents.KeyEventOutcome == KeyEventOutcome::SkipUnderstanding) return Next::Log;

    if (!r.HasLink) {
        Run(st.ApplyContextKeywords, e);
        Run(st.ApplyCommandSynonyms, e);
        Run(st.ApplyCorrections, e);
        Run(st.ApplySynonyms, e);
    }
    Run(st.JudgeMood, e);
    Run(st.DetectRepetition, e);
    if (o.RepetitionOutcome == RepetitionOutcome::Ignored) return Next::Finish;
    if (o.RepetitionOutcome == RepetitionOutcome::Answered) return Next::Log;
    Run(st.CheckTeacherStatus, e);
    Run(st.HandleEmptyInput, e);
    if (o.EmptyInputAnswered) return Next::Log;
    if (r.WorkPhrase.isEmpty()) return Next::Finish;
    Run(st.HandleHighlight, e);
    if (o.HighlightAnswered) return Next::Log;
    Run(st.AnswerOwner, e);
    if (o.AnswerOwnerAnswered) return Next::Log;

    // Teaching and erasing: the first stage that handles the input ends the chain.
    const std::pair<const Stage*, bool*> chain[] = {
        {&st.EraseSynonym, &o.ErasingHandled},
        {&st.TeachSynonym, &o.TeachingHandled},
        {&st.TeachResponse, &o.TeachingHandled},
        {&st.EraseResponse, &o.ErasingHandled},
        {&st.TeachContextKeywords, &o.TeachingHandled},
        {&st.EraseContextKeywords, &o.ErasingHandled},
        {&st.TeachCaseWords, &o.TeachingHandled},
        {&st.EraseCaseWords, &o.ErasingHandled},
        {&st.TeachPositiveWords, &o.TeachingHandled},
        {&st.TeachNegativeWords, &o.TeachingHandled},
        {&st.ErasePositiveWords, &o.ErasingHandled},
        {&st.EraseNegativeWords, &o.ErasingHandled},
    };
    for (const auto& [stage, handled] : chain) {
        if (r.HasLink && stage != &st.TeachResponse) continue;
        Run(*stage, e);
        if (*handled) return Next::Log;
    }

    // Commands and the answer lookup. The lonely stop is asked twice on purpose: private input
    // and highlighted input each earn it, so a private highlighted input runs it twice.
    if (!r.HasLink && r.PrivateInput) {
        Run(st.StopLonely, e);
        if (o.StopLonelyAnswered) return Next::Finish;
    }
    if (!r.HasLink && r.Highlighted) {
        Run(st.StopLonely, e);
        if (o.StopLonelyAnswered) return Next::Finish;
    }
    if (!r.HasLink) {
        Run(st.StopDelivery, e);
        if (o.StopMmasAnswered) return Next::Finish;
        Run(st.ToggleConverter, e);
        if (o.ConverterAnswered) return Next::Log;
    }
    Run(st.ExpandAdmQuestion, e);
    if (r.AdmExpandAnswered) return Next::Log;
    SaveInputContext(e);
    Run(st.LookupAnswer, e);
    Run(st.PublicAnswerGate, e);
    if (s.publicGate.IntelligentModeRefused) {
        ConsoleLine(e,
                    "A.I. > Intelligent Mode algorithm does not allow reacting on current "
                    "public message.");
        return Next::Finish;
    }
    if (r.TargetKind == TargetKind::Channel && s.settings.processPublicMessages) {
        if (!r.Answered) return Next::Finish;
        if (!s.settings.answerOnPublicMessages) {
            ConsoleLine(e, "A.I. > Notice! Option \"Answer On Public Messages\" is disabled.");
            return Next::Finish;
        }
    }
    return Next::Continue;
}

void Deliver(Engine& e) {
    e.state.lonely.speaking = false;
    Run(e.stages.PrepareDelivery, e);
    Run(e.stages.StartDelivery, e);
}

void AnswerUnaskedWith(Engine& e, const QString& event) {
    ConsoleLine(e, "A.I. > Answering with the event \"" + event + "\".");
    AnswerWithEvent(e, event);
}

// Log the request, keep the dialogue records and hand the answer, or an event for an input
// nobody could answer, to delivery.
void LogAndAnswer(Engine& e) {
    EngineState& s = e.state;
    Request& r = s.request;
    const Outcomes& o = s.outcomes;

    s.loggedInput = LoggedInput(r.WorkPhrase);
    if (o.TeachingHandled && o.ResponseTaught) {
        if (o.ResponseExtended) {
            s.loggedInput = "##" + s.loggedInput.mid(s.loggedInput.lastIndexOf('#') + 1).trimmed();
        } else {
            s.loggedInput.prepend('#');
        }
    }
    if (r.Answered && r.InputCategory == "interface_q") s.loggedInput += '?';
    TrainingNotice(e, "daytime: \"" + r.Daytime.toLower() + "\". Current category: \"" +
                          r.Category.toLower() + "\". Your personality: \"" +
                          r.Personality.toLower() + "\". Your input after conversion: \"" +
                          s.loggedInput + "\".");
    if (r.Answered && r.DatabaseMatch)
        TrainingNotice(e, "database match: \"" + r.MatchedQuestion.toLower() + "\".");
    NlpLogEntry(e);
    UpdateDialogueCounters(e);
    if (s.settings.useDialogIntroForNewUsers && s.dialogue.hasRow && s.dialogue.dialogcount == 1) {
        AnswerUnaskedWith(e, "On Dialog Start");
        r.Answered = true;
    }
    // The version banner answers a fixed phrase: it is no repetition of anything stored.
    if (!o.VersionReplied) {
        UpdateDialogueHistory(e);
        if (o.RepetitionOutcome == RepetitionOutcome::Ignored) return;
    }
    if (r.Answered) return Deliver(e);
    if (s.settings.useDialogIntroForNewUsers && s.dialogue.hasRow && s.dialogue.unanswered == 1) {
        AnswerUnaskedWith(e, r.InputCategory == "interface_q"
                                 ? "On Unknown Answer - Question First Unknown"
                                 : "On Unknown Answer - Standard First Unknown");
        return Deliver(e);
    }
    AnswerUnaskedWith(e, UnknownAnswerEvent(r.InputCategory, s.unknownLevel, r.WorkPhrase));
    Deliver(e);
}

void Finish(Engine& e) {
    EngineState& s = e.state;
    WriteDueTeacherReset(e);
    ++s.NlpCount;
    e.out.console->setColour(ConsoleColour::Lime);
    ConsoleLine(e, "A.I. > NLP finished.");
    if (!s.request.Answered) SaveUnsolved(e);
    if (!s.stores.InputStore.isEmpty()) e.NLPtimer.start();
    if (!s.stores.TimerStore.isEmpty() && s.settings.allowLonelyTalking)
        Run(e.stages.StartLonelyTimer, e);
}

// Take the input and reset what belongs to the previous one.
void TakeInput(Engine& e) {
    EngineState& s = e.state;
    const TInput input = PopInput(e);
    s.request = Request{};
    Request& r = s.request;
    r.TargetKind = input.TargetKind;
    r.UserAddress = input.UserAddress;
    r.ReplyTarget = input.ReplyTarget;
    r.UserNick = input.UserNick;
    r.RawText = input.RawText;
    r.OriginalPhrase = input.OriginalPhrase;
    r.WorkPhrase = input.UpperPhrase;
    r.Highlighted = input.Highlighted;
    r.PrivateInput =
        input.TargetKind == TargetKind::Local || input.TargetKind == TargetKind::Private;
    s.ProcessesRemaining = int(s.stores.InputStore.size());
    e.showStatusLine();
    emit e.inputTaken();
    ConsoleLine(e, "A.I. > NLP started.");
    e.out.console->setColour(ConsoleColour::Red);
    r.UserKey = EncodeNick(r.UserNick);
    r.OwnerKey = EncodeNick(s.settings.ownersNickname);
    s.outcomes = Outcomes{};
    s.clock = ComputeClockParts(e.out.clock->now());
    CountBrainRows(e);
}

}  // namespace

void Engine::NLPtimerTimer() {
    NLPtimer.stop();
    if (state.settings.clearLogTextsBeforeEachNlp) {
        out.console->clear();
    } else {
        SeparatorLine(*this);
    }
    if (state.stores.InputStore.isEmpty()) {
        ConsoleLine(*this, "A.I. > Dynamic input data is empty!");
        ConsoleLine(*this, "A.I. > NLP (Natural Language Processing) canceled.");
        return;
    }
    cycleRunning_ = true;
    try {
        TakeInput(*this);
        const Next next = UnderstandAndAnswer(*this);
        if (next != Next::Finish) LogAndAnswer(*this);
        Finish(*this);
    } catch (const DbConnectionLost& lost) {
        HoldInputForBrain(*this, lost);
    } catch (const std::exception& error) {
        // A failed statement or log file ends this input only; the queue goes on.
        out.console->setColour(ConsoleColour::Lime);
        ConsoleLine(*this, QStringLiteral("A.I. > Error: %1").arg(QString::fromUtf8(error.what())));
        try {
            // The user stopped teaching with this input, whatever else of it failed.
            WriteDueTeacherReset(*this);
        } catch (const std::exception&) {
            // Said already: the error above.
        }
        ConsoleLine(*this, "A.I. > NLP finished.");
        if (!state.stores.InputStore.isEmpty()) NLPtimer.start();
    }
    cycleRunning_ = false;
    emit cycleEnded();
}
