#pragma once

class Engine;

// The "[ANSWEROWNER]" command: tells the user who taught the character's last answer to him.
// In every cycle the owner found ("Unknown" when there was no command) is kept in the user's
// variables for the event messages.
void AnswerOwner(Engine& engine);
