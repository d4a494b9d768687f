#pragma once

class Engine;

// "[ERASE]" takes back the character's last answer to the user's last question; "[ERASEALL]"
// every answer to that question. Taught responses and responses that other answers use as their
// context may be protected from it.
void EraseResponse(Engine& engine);
