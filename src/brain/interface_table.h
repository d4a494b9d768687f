#pragma once

#include <QString>

// The interface table a stored or classified name stands for. Table names are part of the
// statement text, so only the two known names ever reach it.
inline QString InterfaceTable(const QString& name) {
    return name == QLatin1String("interface_q") ? QStringLiteral("interface_q")
                                                : QStringLiteral("interface_s");
}
