#pragma once

class Engine;

// Ends a user's teacher status when his message is not a response-teaching command.
void CheckTeacherStatus(Engine& engine);
// Answers a message that normalisation emptied.
void HandleEmptyInput(Engine& engine);
// Answers a message that only named the character, and opens the channel's answer window.
void HandleHighlight(Engine& engine);
