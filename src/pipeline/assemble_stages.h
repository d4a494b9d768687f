#pragma once

struct Stages;

// Fills the cycle's stages with the subsystems' implementations.
void AssembleStages(Stages& stages);
