#pragma once

#include <QString>

// The markers that join the parts of a contextual phrase: the context keywords, then
// kContextMarker and the character's last phrase to the user, then kEarlierQuestionMarker and the
// question the user asked before. Stored questions carry them too, so they belong to the brain's
// format: "WEATHER 0Y1Z0X1Y IT IS SUNNY 1Y0Z1X0Y HOW ARE YOU".
inline const QString kContextMarker = QStringLiteral("0Y1Z0X1Y");
inline const QString kEarlierQuestionMarker = QStringLiteral("1Y0Z1X0Y");
