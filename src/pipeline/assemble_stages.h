#pragma once

class Delivery;
class LonelyTalking;
struct Stages;

// Fills the cycle's stages with the subsystems' implementations. The objects that keep state
// and timers of their own between cycles are made by the caller next to the engine.
void AssembleStages(Stages& stages, Delivery& delivery, LonelyTalking& lonely);
