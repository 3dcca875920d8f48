#include "lang/LanguageFiles.h"

#include "lang/IniFile.h"
#include "framework/ProgramState.h"

#include <QDir>

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

QString msg::hintKey(int number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

LanguageFiles::LanguageFiles(QString programFolder, ProgramState& state)
    : folder_(std::move(programFolder)), state_(state)
{
}

QString LanguageFiles::settingsPath() const
{
    return folder_ + u'/' + SettingsFileName;
}

QString LanguageFiles::languagePath() const
{
    const QString name = isPlainName(state_.currentLanguage) ? state_.currentLanguage : QString();
    const bool endsWithSeparator = folder_.endsWith(u'/') || folder_.endsWith(QDir::separator());
    return folder_ + (endsWithSeparator ? QString() : QStringLiteral("/")) + name + LanguageExtension;
}

QString LanguageFiles::getString(const QString& key)
{
    // Until the settings file can be read the language stays unknown, and
    // the next lookup tries again.
    if (state_.currentLanguage.isEmpty())
        if (auto language = readSettingsLanguage())
            state_.currentLanguage = *language;
    return ini::readValue(languagePath(), QStringLiteral("Strings"), key).value_or(QString());
}

void LanguageFiles::selectNumberWordsLanguage()
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
        if (name == language) {
            state_.numberWordsLanguage = code;
            return;
        }
}

std::optional<QString> LanguageFiles::readSettingsLanguage() const
{
    return ini::readValue(settingsPath(), SettingsSection, SettingsKey);
}

bool LanguageFiles::writeSettingsLanguage(const QString& language) const
{
    return ini::writeValue(settingsPath(), SettingsSection, SettingsKey, language);
}

void LanguageFiles::removeSettingsLeftovers() const
{
    ini::removeWriteLeftovers(settingsPath());
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
