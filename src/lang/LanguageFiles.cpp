// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/LanguageFiles.h"

#include "lang/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <array>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

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

// Whether this process may make files in the folder, by the ids it acts
// with.
bool takesNewFiles(const QString& folder)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

// Texts cut to the shown length are logged here.
Q_LOGGING_CATEGORY(lcLanguage, "contalandia.language", QtWarningMsg)

std::optional<QString> cutToShownLength(std::optional<QString> value, const QString& file, const QString& key)
{
    if (!value || value->size() <= LanguageFiles::ShownTextLimit)
        return value;
    qCWarning(lcLanguage).noquote() << file << "key" << key << "holds" << value->size()
                                    << "characters; only the first" << LanguageFiles::ShownTextLimit << "are shown";
    qsizetype keep = LanguageFiles::ShownTextLimit;
    if (value->at(keep - 1).isHighSurrogate())
        --keep;
    value->truncate(keep);
    value->squeeze();
    return value;
}

// Asked along with whatever a scan of a large file looks for: every message
// string the program may want while the screen is open.
const QStringList& messageKeys()
{
    static const QStringList keys = [] {
        QStringList k;
        for (int i = 0; i < 1000; ++i)
            k << QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        for (int i = 9996; i <= 9999; ++i)
            k << QString::number(i);
        return k;
    }();
    return keys;
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
    return lookup(QStringLiteral("Strings"), {key}).front().value_or(QString());
}

QStringList LanguageFiles::getStrings(const QStringList& keys)
{
    if (current_.isEmpty())
        if (auto language = readSettingsLanguage())
            current_ = *language;
    QStringList texts;
    texts.reserve(keys.size());
    for (const std::optional<QString>& v : lookup(QStringLiteral("Strings"), keys))
        texts.push_back(v.value_or(QString()));
    return texts;
}

std::vector<std::optional<QString>> LanguageFiles::screenTexts(const QString& section, const QStringList& keys)
{
    return lookup(section, keys);
}

std::vector<std::optional<QString>> LanguageFiles::lookup(const QString& section, const QStringList& keys)
{
    const QString file = languagePath();
    const QFileInfo info(file);
    std::vector<std::optional<QString>> values;
    if (keys.isEmpty())
        return values;
    if (!info.isFile() || info.size() <= ini::SectionReaderLimit) {
        values = ini::readValues(file, section, keys);
        for (int i = 0; i < keys.size(); ++i)
            values[i] = cutToShownLength(std::move(values[i]), file, keys[i]);
        return values;
    }

    // The line scan of a large file ignores sections: one key has one value
    // whatever the section asked.
    if (large_.path != file || large_.size != info.size() || large_.modified != info.lastModified()
        || large_.changed != info.metadataChangeTime() || large_.screen != screen_)
        large_ = LargeFileRead{file, info.size(), info.lastModified(), info.metadataChangeTime(), screen_, {}};
    QStringList ask;
    for (const QString& key : keys)
        if (!large_.values.contains(key) && !ask.contains(key))
            ask << key;
    if (!ask.isEmpty()) {
        const qsizetype asked = ask.size();
        for (const QString& key : messageKeys())
            if (!large_.values.contains(key) && !ask.contains(key))
                ask << key;
        std::vector<std::optional<QString>> found = ini::readValues(file, section, ask);
        // Nothing is kept from a file that could not be read: the next
        // lookup tries again.
        if (std::none_of(found.begin(), found.end(), [](const auto& v) { return v.has_value(); }))
            return std::vector<std::optional<QString>>(keys.size());
        for (qsizetype i = 0; i < ask.size(); ++i) {
            // A string not asked for yet is kept just long enough to be
            // logged as cut once it is.
            if (i >= asked && found[i] && found[i]->size() > ShownTextLimit) {
                found[i]->truncate(ShownTextLimit + 1);
                found[i]->squeeze();
            }
            large_.values.insert(ask[i], std::move(found[i]));
        }
    }
    for (const QString& key : keys) {
        std::optional<QString>& stored = large_.values[key];
        stored = cutToShownLength(std::move(stored), file, key);
        values.push_back(stored);
    }
    return values;
}

std::optional<WordsLanguage> LanguageFiles::numberWordsLanguage()
{
    return wordsLanguageNamed(getString(msg::NumberWordsLanguage));
}

std::optional<WordsLanguage> LanguageFiles::wordsLanguageNamed(const QString& text)
{
    static const std::array<std::pair<QLatin1String, WordsLanguage>, 6> Languages = {{
        {QLatin1String("ITALIAN"), WordsLanguage::Italian},
        {QLatin1String("ENGLISH"), WordsLanguage::English},
        {QLatin1String("FRENCH"), WordsLanguage::French},
        {QLatin1String("GERMAN"), WordsLanguage::German},
        {QLatin1String("SPANISH"), WordsLanguage::Spanish},
        {QLatin1String("ALBANIAN"), WordsLanguage::Albanian},
    }};
    const QString name = text.toUpper().trimmed();
    for (const auto& [spelled, language] : Languages)
        if (name == spelled)
            return language;
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
    // The writer replaces the file within its folder, never in place and
    // never through a link.
    return QFileInfo(settingsPath()).isSymLink() || !takesNewFiles(folder_);
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
    const QString section = QStringLiteral("Display");
    const QString key = QStringLiteral("LargeText");
    const auto onOrOff = [](const std::optional<QString>& v) -> std::optional<bool> {
        if (v == QStringLiteral("1"))
            return true;
        if (v == QStringLiteral("0"))
            return false;
        return std::nullopt;
    };
    if (const auto own = onOrOff(readSetting(section, key)))
        return *own;
    if (!systemSettings_.isEmpty())
        if (const auto machine = onOrOff(ini::readValue(systemSettings_, section, key)))
            return *machine;
    // Texts grow with the screen unless someone turned it off: at the
    // design size nothing changes, on a larger display the texts keep
    // their designed proportions.
    return true;
}

bool LanguageFiles::readVoice() const
{
    return readSetting(QStringLiteral("Sound"), QStringLiteral("Voice")) != QStringLiteral("0");
}

bool LanguageFiles::writeVoice(bool on) const
{
    return writeSetting(QStringLiteral("Sound"), QStringLiteral("Voice"), on ? QStringLiteral("1") : QStringLiteral("0"));
}

bool LanguageFiles::writeLargeText(bool on) const
{
    return writeSetting(QStringLiteral("Display"), QStringLiteral("LargeText"), on ? QStringLiteral("1") : QStringLiteral("0"));
}
