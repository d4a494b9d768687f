#pragma once

class Engine;

// Turns the phrase into upper-case words separated by single blanks: punctuation that carries
// meaning and the teaching symbols stand as words of their own, the rest is joined to its
// neighbours, and the nicks of users online are noted (and removed when the settings say so).
void TokenisePhrase(Engine& engine);
