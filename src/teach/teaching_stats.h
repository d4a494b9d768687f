#pragma once

class Engine;

// Counts one more teaching of the current user in users_stats.
void CountTeaching(Engine& engine);
