#pragma once

#include "engine/program_home.h"

#include <QStringList>

// The skins the "Console Skin" list offers: the names in Main/SkinContent.dat, one a line.
QStringList SkinNames(const ProgramHome& home);
// Dresses every window of the program in the style sheet Skins/NAME.qss; an empty name is the
// desktop's own look. False, with the look unchanged, when the sheet cannot be read.
bool ApplySkin(const ProgramHome& home, const QString& name);
