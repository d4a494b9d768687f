#pragma once

#include <QString>

class Engine;

// Queues the prepared answer OutputPhrase for its addressee in MMASStore (the Lonely Talking
// target's while the lonely flag is set); the same answer for the same user is queued once.
void PrepareDelivery(Engine& engine);

// The separator "#" between answer lines, without blanks around it and without empty runs.
QString NormaliseSeparators(QString phrase);
