#pragma once

class Engine;

// Finds or creates the user's users_privileges row for the address the user speaks from and
// sets the privilege level: 0 basic user, 1 owner or co-owner, 2 super moderator, 3 basic or
// temporary moderator, 4 ignored.
void ResolvePrivilege(Engine& engine);
