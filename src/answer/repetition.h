#pragma once

class Engine;

// Notices a user who says the same thing again or repeats the character's last phrase: about
// half of the time he is told so, and once he keeps on he is ignored for "RP.IT." minutes.
void DetectRepetition(Engine& engine);
