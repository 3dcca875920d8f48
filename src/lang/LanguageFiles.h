// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "services/MessageKeys.h"
#include "services/NumberWords.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>


// The language files and LangSetting.ini of the program folder.
class LanguageFiles
{
public:
    explicit LanguageFiles(QString programFolder);

    const QString& programFolder() const { return folder_; }
    QString settingsPath() const;
    // The base name of the language file in use; empty until the settings
    // file has been read or a language chosen.
    const QString& currentLanguage() const { return current_; }
    void setCurrentLanguage(const QString& language) { current_ = language; }
    // The file of the current language (a name that is not a plain file
    // name counts as empty).
    QString languagePath() const;

    // A message string of section "Strings"; empty when it cannot be read.
    // Reads the settings file first while the current language is unknown.
    QString getString(const QString& key);
    // Several message strings, in the order of keys, from one reading.
    QStringList getStrings(const QStringList& keys);
    // The values of keys in a section of the current language file (the
    // texts of a screen), each as ini::readValues gives it.
    std::vector<std::optional<QString>> screenTexts(const QString& section, const QStringList& keys);

    // No caption, message or question needs more characters: a longer text
    // read from a language file is cut there, and the log says so, so that
    // a huge value never holds the program up.
    static constexpr int ShownTextLimit = 4000;

    // A new screen is opening. A language file up to the section reader's
    // limit is read anew at every lookup, as it costs little; a larger one
    // is scanned once per screen, for the keys asked and every message
    // string at a time, and the screen's later lookups are answered from
    // that scan while the file stays as it was.
    void beginScreen() { ++screen_; }

    // The language of number words that message "0000" names;
    // nullopt when it names none of the six languages.
    std::optional<WordsLanguage> numberWordsLanguage();
    // The language of number words a text of message "0000" names.
    static std::optional<WordsLanguage> wordsLanguageNamed(const QString& name);

    // Each user's own LangSetting.ini (in the user's configuration folder).
    // It keeps the choice whenever the program folder's file cannot: always
    // for a program installed for every user (sharedProgramFolder), else
    // while the program folder takes no new file (its file is never
    // rewritten in place, which a kill could leave empty) or while its
    // LangSetting.ini is a link (never written through). The program
    // folder's file is then the default, used while the user's own names no
    // language.
    void useUserSettings(QString userSettingsPath, bool sharedProgramFolder);
    const QString& userSettingsPath() const { return userSettings_; }
    // True when the choice is kept in the user's own settings file.
    bool storesInUserSettings() const;

    // The language named in LangSetting.ini; nullopt when it cannot be read.
    std::optional<QString> readSettingsLanguage() const;
    // Stores the choice; false when the file cannot be written (then
    // nothing is written).
    bool writeSettingsLanguage(const QString& language) const;
    // Any other choice kept beside the language, in the same file and the
    // same way (the user's own file first while it has the key).
    std::optional<QString> readSetting(const QString& section, const QString& key) const;
    bool writeSetting(const QString& section, const QString& key, const QString& value) const;
    // The machine's own settings, which an administrator writes for every
    // user (/etc/contalandia/contalandia.ini): read only, for the defaults
    // a user's choice overrides. None by default.
    void useSystemSettings(QString path) { systemSettings_ = std::move(path); }
    // "Testo grande": [Display] LargeText="1" or "0", the user's choice
    // first, then the machine's default; on when neither says.
    bool readLargeText() const;
    bool writeLargeText(bool on) const;
    // "Voce": [Sound] Voice="1" or "0"; on unless it says "0".
    bool readVoice() const;
    bool writeVoice(bool on) const;

    // Removes the copies of the settings files (the program's and the
    // user's) that a write cut short by the end of the program left beside
    // them.
    void removeSettingsLeftovers() const;

    // Base names of the *.lng files of the program folder.
    QStringList languageNames() const;

private:
    std::vector<std::optional<QString>> lookup(const QString& section, const QStringList& keys);

    // What one scan of a large language file gave, for one screen.
    struct LargeFileRead
    {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        QDateTime changed;
        quint64 screen = 0;
        QHash<QString, std::optional<QString>> values;
    };

    QString folder_;
    QString current_;
    LargeFileRead large_;
    quint64 screen_ = 0;
    QString userSettings_;
    QString systemSettings_;
    bool sharedProgramFolder_ = false;
};
