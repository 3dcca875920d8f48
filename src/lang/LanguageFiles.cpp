// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/LanguageFiles.h"

#include "lang/IniFile.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <utility>

namespace {

const QString SettingsFileName = QStringLiteral("LangSetting.ini");
const QString SettingsSection = QStringLiteral("Language");
const QString SettingsKey = QStringLiteral("CurrentLanguage");
const QString LanguageExtension = QStringLiteral(".lng");

// The settings file is plain text anyone can edit: a language name that is
// not a plain file name must not lead the reader out of the program folder.
bool isPlainName(const QString& name)
{
    return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(u'\0'))
           && name != QLatin1String(".") && name != QLatin1String("..");
}

} // namespace


LanguageFiles::LanguageFiles(QString programFolder) : folder_(std::move(programFolder))
{
}

QString LanguageFiles::settingsPath() const
{
    return folder_ + u'/' + SettingsFileName;
}

QString LanguageFiles::languagePath() const
{
    const QString name = isPlainName(current_) ? current_ : QString();
    const bool endsWithSeparator = folder_.endsWith(u'/') || folder_.endsWith(QDir::separator());
    return folder_ + (endsWithSeparator ? QString() : QStringLiteral("/")) + name + LanguageExtension;
}

QString LanguageFiles::getString(const QString& key)
{
    // Until the settings file can be read the language stays unknown, and
    // the next lookup tries again.
    if (current_.isEmpty())
        if (auto language = readSettingsLanguage())
            current_ = *language;
    return ini::readValue(languagePath(), QStringLiteral("Strings"), key).value_or(QString());
}

QStringList LanguageFiles::getStrings(const QStringList& keys)
{
    if (current_.isEmpty())
        if (auto language = readSettingsLanguage())
            current_ = *language;
    QStringList texts;
    texts.reserve(keys.size());
    for (const std::optional<QString>& v : ini::readValues(languagePath(), QStringLiteral("Strings"), keys))
        texts.push_back(v.value_or(QString()));
    return texts;
}

std::optional<QString> LanguageFiles::numberWordsLanguage()
{
    static const std::array<std::pair<QLatin1String, QLatin1String>, 6> Languages = {{
        {QLatin1String("ITALIAN"), QLatin1String("1")},
        {QLatin1String("ENGLISH"), QLatin1String("2")},
        {QLatin1String("FRENCH"), QLatin1String("3")},
        {QLatin1String("GERMAN"), QLatin1String("4")},
        {QLatin1String("SPANISH"), QLatin1String("5")},
        {QLatin1String("ALBANIAN"), QLatin1String("6")},
    }};
    const QString name = getString(msg::NumberWordsLanguage).toUpper().trimmed();
    for (const auto& [language, code] : Languages)
        if (name == language)
            return QString(code);
    return std::nullopt;
}

void LanguageFiles::useUserSettings(QString userSettingsPath, bool sharedProgramFolder)
{
    userSettings_ = std::move(userSettingsPath);
    sharedProgramFolder_ = sharedProgramFolder;
}

bool LanguageFiles::storesInUserSettings() const
{
    if (userSettings_.isEmpty())
        return false;
    if (sharedProgramFolder_)
        return true;
    // The writer replaces the file within its folder, or rewrites it in
    // place when only the file itself can be written.
    const QFileInfo file(settingsPath());
    return !(QFileInfo(folder_).isWritable() || (file.isFile() && file.isWritable()));
}

std::optional<QString> LanguageFiles::readSettingsLanguage() const
{
    return readSetting(SettingsSection, SettingsKey);
}

bool LanguageFiles::writeSettingsLanguage(const QString& language) const
{
    return writeSetting(SettingsSection, SettingsKey, language);
}

std::optional<QString> LanguageFiles::readSetting(const QString& section, const QString& key) const
{
    // A user's file that cannot be read or lacks the value leaves the
    // program's default.
    if (storesInUserSettings())
        if (auto own = ini::readValue(userSettings_, section, key); own && !own->isEmpty())
            return own;
    return ini::readValue(settingsPath(), section, key);
}

bool LanguageFiles::writeSetting(const QString& section, const QString& key, const QString& value) const
{
    if (!storesInUserSettings())
        return ini::writeValue(settingsPath(), section, key, value);
    if (!QDir().mkpath(QFileInfo(userSettings_).absolutePath()))
        return false;
    return ini::writeValue(userSettings_, section, key, value);
}

void LanguageFiles::removeSettingsLeftovers() const
{
    ini::removeWriteLeftovers(settingsPath());
    if (!userSettings_.isEmpty())
        ini::removeWriteLeftovers(userSettings_);
}

QStringList LanguageFiles::languageNames() const
{
    // Case-sensitive, so that every name listed opens as name + ".lng".
    const QStringList files = QDir(folder_).entryList({QStringLiteral("*") + LanguageExtension},
                                                      QDir::Files | QDir::CaseSensitive, QDir::Name);
    QStringList names;
    for (const QString& file : files) {
        const QString name = file.chopped(LanguageExtension.size());
        if (!name.isEmpty() && isPlainName(name))
            names.append(name);
    }
    return names;
}

bool LanguageFiles::readLargeText() const
{
    return readSetting(QStringLiteral("Display"), QStringLiteral("LargeText")) == QStringLiteral("1");
}

bool LanguageFiles::writeLargeText(bool on) const
{
    return writeSetting(QStringLiteral("Display"), QStringLiteral("LargeText"), on ? QStringLiteral("1") : QStringLiteral("0"));
}
