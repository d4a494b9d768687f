#include "skins.h"

#include "engine/text_files.h"

#include <QApplication>
#include <QFile>

QStringList SkinNames(const ProgramHome& home) {
    QStringList names;
    try {
        for (const QString& line : ReadTextLines(home.path("Main/SkinContent.dat")))
            if (!line.trimmed().isEmpty()) names << line.trimmed();
    } catch (const TextFileError&) {
        // No list: the list offers nothing and the look stays the desktop's.
    }
    return names;
}

bool ApplySkin(const ProgramHome& home, const QString& name) {
    if (name.isEmpty()) {
        qApp->setStyleSheet({});
        return true;
    }
    QFile sheet(home.path("Skins/" + name + ".qss"));
    if (!sheet.open(QIODevice::ReadOnly)) return false;
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    return true;
}
