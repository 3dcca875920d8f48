// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// Where the program finds what it reads at run time: the language files,
// LangSetting.ini and the sounds of suoni/.
struct DataFolder
{
    QString path;
    // True for a program installed for every user (its data under
    // share/contalandia), false for a build or a copied program folder,
    // whose data lies beside the executable.
    bool installed = false;
};

// The executable's folder when the data lies beside it (a language file or
// LangSetting.ini), else the installed data folder, given relative to the
// executable's folder ("../share/contalandia"), when that holds the data.
// When neither does, the executable's folder, so that the program tells
// that no language file is there.
DataFolder findDataFolder(const QString& executableFolder, const QString& installedRelative);

// Each user's own LangSetting.ini, in the user's configuration folder
// ($XDG_CONFIG_HOME/contalandia); empty when the system names none.
QString userSettingsFile();
