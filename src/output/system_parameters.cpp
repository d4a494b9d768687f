#include "system_parameters.h"

#include "brain/system_patterns.h"
#include "engine/engine.h"
#include "engine/text_rules.h"

QString PadSystemParameters(Engine& engine, const QString& text) {
    QString padded = text;
    ReplaceAll(padded, u" ", u"  ");
    padded = ' ' + padded + ' ';
    PadStoredPatterns(engine.db, padded, QStringLiteral("system_parameters"),
                      QStringLiteral("parameter"));
    return padded;
}
