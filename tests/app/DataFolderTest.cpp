// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataFolder.h"
#include "support/Files.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A program folder bin/ and an installed data folder share/contalandia
// under one prefix, filled as each case says.
TEST(DataFolder, BesideTheExecutableElseTheInstalledFolder)
{
    struct Case
    {
        const char* name;
        QStringList besideExecutable;
        QStringList installed;
        bool expectInstalled;
    };
    const std::vector<Case> cases = {
        {"build tree", {"Italiano.lng", "LangSetting.ini"}, {"Italiano.lng", "LangSetting.ini"}, false},
        {"copied folder, settings not yet written", {"English.lng"}, {}, false},
        {"settings alone beside the executable", {"LangSetting.ini"}, {"Italiano.lng"}, false},
        {"installed", {}, {"Italiano.lng", "LangSetting.ini"}, true},
        {"installed, no settings file", {}, {"Deutsch.lng"}, true},
        {"neither: the executable's folder", {}, {}, false},
        {"only other files beside it", {"notes.txt", "Upper.LNG"}, {"Shqip.lng"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir prefix;
        QDir(prefix.path()).mkpath("bin");
        QDir(prefix.path()).mkpath("share/contalandia");
        const QString bin = prefix.filePath("bin");
        const QString share = prefix.filePath("share/contalandia");
        for (const QString& f : c.besideExecutable)
            testfiles::writeBytes(bin + "/" + f, "[Strings]\n");
        for (const QString& f : c.installed)
            testfiles::writeBytes(share + "/" + f, "[Strings]\n");

        const DataFolder found = findDataFolder(bin, "../share/contalandia");
        EXPECT_EQ(found.path, c.expectInstalled ? share : bin);
        EXPECT_EQ(found.installed, c.expectInstalled);
    }
}

TEST(DataFolder, UserSettingsLieInTheUsersConfigurationFolder)
{
    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    const QString file = userSettingsFile();
    qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(file, home.path() + "/contalandia/LangSetting.ini");
}

} // namespace
