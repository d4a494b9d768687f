#pragma once

class Engine;

// Whether the user owes the character an answer to a key event; a pending context choice takes
// the phrase as the choice.
void CheckKeyEvents(Engine& engine);
