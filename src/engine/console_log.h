#pragma once

#include <QString>

class Engine;

// Appends a line to the main console.
void ConsoleLine(Engine& engine, const QString& text);
// Appends a line only while "Show Detailed Console Log Texts" is checked.
void DetailLine(Engine& engine, const QString& text);
// 100 underscores, two blanks, "YYYY.MM.DD HH:MM:SS".
void SeparatorLine(Engine& engine);
// Plays a file of sounds/ while "Enable Console Sounds" is checked.
void PlayCue(Engine& engine, const QString& file);
