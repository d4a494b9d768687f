#pragma once

#include <QStringList>

// The 27 tables of the brain.
inline const QStringList& BrainTables() {
    static const QStringList tables = {
        "interface_s",
        "interface_q",
        "lastphrase_ai",
        "lastphrase_user",
        "mmas",
        "system_messages",
        "users_history",
        "unsolved_data",
        "users_options",
        "users_stats",
        "users_privileges",
        "users_personality",
        "users_online",
        "users_banned",
        "system_channels",
        "words_context",
        "words_cmd_syn",
        "words_relationship",
        "words_correction",
        "words_positive",
        "words_negative",
        "words_cs",
        "words_css",
        "words_bc",
        "words_ainicknames",
        "system_commands",
        "system_parameters",
    };
    return tables;
}
