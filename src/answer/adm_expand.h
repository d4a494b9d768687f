#pragma once

class Engine;

// "[ADMEXPAND]": widens the stored one-word question of the phrase («%HELLO%» becomes
// «%%HELLO%%») so that advanced data matching finds it inside longer phrases.
void ExpandAdmQuestion(Engine& engine);
