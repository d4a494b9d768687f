#pragma once

class Delivery;
class IrcOnline;
class LonelyTalking;
struct Stages;

// Fills the cycle's stages with the subsystems' implementations. The objects that keep state
// and timers of their own between cycles are made by the caller next to the engine.
void AssembleStages(Stages& stages, Delivery& delivery, LonelyTalking& lonely);
// The calls that ask the IRC connection: the owner is proved by the services account.
void AssembleOnlineStages(Stages& stages, IrcOnline& online);
