#pragma once

class Engine;

// "#" teaches an answer to the user's last phrase, "##" adds one more line to the character's
// last answer to the user.
void TeachResponse(Engine& engine);
// The user's "A" or "B" for a pending context key event: replays the held command for the whole
// contextual phrase ("A") or for its context keywords alone ("B").
void TeachResponseChoice(Engine& engine);
