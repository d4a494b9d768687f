#include "exchange_choices.h"

#include "engine/text_files.h"

QString ExchangeChoicesPath(const QString& home) {
    return home + "/Main/Iemanager.ini";
}

QList<bool> ReadExchangeChoices(const QString& home, QList<bool> current) {
    QStringList lines;
    try {
        lines = ReadTextLines(ExchangeChoicesPath(home));
    } catch (const TextFileError&) {
        return current;
    }
    for (qsizetype i = 0; i < current.size() && i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line == "1" || line == "0") current[i] = line == "1";
    }
    return current;
}

void WriteExchangeChoices(const QString& home, const QList<bool>& checked) {
    QStringList lines;
    for (const bool on : checked)
        lines << (on ? "1" : "0");
    WriteTextLines(ExchangeChoicesPath(home), lines);
}
