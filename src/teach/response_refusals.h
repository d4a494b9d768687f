#pragma once

class Engine;

// The reasons for which a "#" or "##" command is refused, in the order they are checked.
enum class ResponseRefusal {
    TeachingNotAllowed = 1,
    RestrictedForUser,
    ExtendRestricted,
    NickInAnswer,
    ZeroQuestion,
    QuestionError,
    AnswerError,
    InformationExists,
    NothingToExtend,
    Limited,
    MissingInputData,
};

// Writes the refusal's console lines, answers with its event, sends its training notice and
// marks the command handled.
void RefuseResponse(Engine& engine, ResponseRefusal refusal, bool extend);
