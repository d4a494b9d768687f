#include "outside.h"

#include <QRandomGenerator>

int SystemRandom::bounded(int bound) {
    return bound > 0 ? static_cast<int>(QRandomGenerator::global()->bounded(bound)) : 0;
}
