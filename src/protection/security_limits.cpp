#include "security_limits.h"

#include "engine/settings.h"

SecurityLimits ReadSecurityLimits(const Settings& s) {
    return SecurityLimits{
        .FloodMs = SettingNumber(s.FloodMs, 1500),
        .FloodLines = SettingNumber(s.FloodLines, 5),
        .FloodKicks = SettingNumber(s.FloodKicks, 2),
        .AntispamMs = SettingNumber(s.AntispamMs, 10000),
        .SpamAllowed = SettingNumber(s.SpamAllowed, 3),
        .SpamKicks = SettingNumber(s.SpamKicks, 2),
        .SpamRepeatings = SettingNumber(s.SpamRepeatings, 3),
        .SpamMaxLength = SettingNumber(s.SpamMaxLength, 400),
        .SpamLens = SettingNumber(s.SpamLens, 3),
        .SpamMaxSymbls = SettingNumber(s.SpamMaxSymbls, 40),
        .SpamMaxLongwords = SettingNumber(s.SpamMaxLongwords, 2),
        .SpamWLens = SettingNumber(s.SpamWLens, 3),
        .SpamCapsPercent = SettingNumber(s.SpamCapsPercent, 70),
        .SpamCapsFrom = SettingNumber(s.SpamCapsFrom, 12),
        .SpamMaxCaps = SettingNumber(s.SpamMaxCaps, 3),
        .JoinFloodMs = SettingNumber(s.JoinFloodMs, 3000),
        .JoinFloodAllowed = SettingNumber(s.JoinFloodAllowed, 3),
        .JoinFloodKicks = SettingNumber(s.JoinFloodKicks, 2),
        .BcAllowed = SettingNumber(s.BcAllowed, 2),
        .BcKicks = SettingNumber(s.BcKicks, 2),
        .BnKicks = SettingNumber(s.BnKicks, 2),
    };
}
