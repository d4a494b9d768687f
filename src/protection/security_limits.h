#pragma once

struct Settings;

// The security edits of the settings as numbers, read anew at every use. An edit that holds no
// decimal integer counts as the value the program ships with, so a typing slip never switches a
// protection into kicking everybody or nobody.
struct SecurityLimits {
    int FloodMs, FloodLines, FloodKicks;
    int AntispamMs, SpamAllowed, SpamKicks, SpamRepeatings;
    int SpamMaxLength, SpamLens, SpamMaxSymbls, SpamMaxLongwords, SpamWLens;
    int SpamCapsPercent, SpamCapsFrom, SpamMaxCaps;
    int JoinFloodMs, JoinFloodAllowed, JoinFloodKicks;
    int BcAllowed, BcKicks, BnKicks;
};

SecurityLimits ReadSecurityLimits(const Settings& settings);
