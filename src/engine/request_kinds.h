#pragma once

// The small vocabularies the stages use to describe an input and to report on it.

// Where an input came from, and so where its answer goes. The numbers are the stored form
// (the `type` column of mmas).
enum class TargetKind {
    Local = 0,               // the owner's local console
    Channel = 1,             // a channel message that does not address the character
    HighlightedChannel = 2,  // a channel message that names the character
    Private = 3,             // a private message, addressed or not
};

// The kind a stored number names; a number no kind has is read as the local console.
inline TargetKind StoredTargetKind(int number) {
    return number >= 1 && number <= 3 ? TargetKind(number) : TargetKind::Local;
}

// The privilege levels of users; the stored status words map onto them.
enum class Privilege {
    BasicUser = 0,
    Owner = 1,  // owner or co-owner
    SuperModerator = 2,
    BasicModerator = 3,  // basic or temporary moderator
    Ignored = 4,
};

// What the key-event check made of the input.
enum class KeyEventOutcome {
    None,
    Consumed,           // the input belonged to the key event: nothing more happens
    SkipUnderstanding,  // the choice was taken: log and answer without the understanding stages
};

// What the repetition checks made of the input.
enum class RepetitionOutcome {
    None,
    Answered,  // the repetition was answered
    Ignored,   // the user is being ignored
};
