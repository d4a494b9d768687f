#pragma once

class Engine;

// Writes the engine's settings to the home's Main/Options.ini; a failure is told to the owner.
void SaveOwnersSettings(Engine& engine);
