// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool holdsProgramData(const QDir& folder)
{
    if (QFileInfo(folder.filePath(QStringLiteral("LangSetting.ini"))).isFile())
        return true;
    return !folder.entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::CaseSensitive).isEmpty();
}

} // namespace

DataFolder findDataFolder(const QString& executableFolder, const QString& installedRelative)
{
    const QDir beside(executableFolder);
    if (holdsProgramData(beside) || installedRelative.isEmpty())
        return {executableFolder, false};
    const QString installed = QDir::cleanPath(beside.filePath(installedRelative));
    if (holdsProgramData(QDir(installed)))
        return {installed, true};
    return {executableFolder, false};
}

QString userSettingsFile()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        return {};
    return QDir(config).filePath(QStringLiteral("contalandia/LangSetting.ini"));
}
