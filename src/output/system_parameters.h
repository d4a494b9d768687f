#pragma once

#include <QString>

class Engine;

// The text framed for whole-word replacement: every blank doubled, one blank at each end, and
// every system parameter found in it standing apart.
QString PadSystemParameters(Engine& engine, const QString& text);
