#pragma once

class Engine;

// After a hit: keeps for the user which stored question was answered (lastphrase_user), and
// turns the matched question into words.
void SaveOriginalQuestion(Engine& engine);
