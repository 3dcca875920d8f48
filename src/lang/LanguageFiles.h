#pragma once
#include <QString>
#include <QStringList>
#include <optional>

struct ProgramState;

// The message keys the program reads from section "Strings".
namespace msg {
inline const QString NumberWordsLanguage = QStringLiteral("0000");
inline const QString HundredsLabel = QStringLiteral("0001");
inline const QString TensLabel = QStringLiteral("0002");
inline const QString UnitsLabel = QStringLiteral("0003");
inline const QString LoneUnitsLabel = QStringLiteral("0004");
inline const QString LoneTensLabel = QStringLiteral("0005");
inline const QString LoneHundredsLabel = QStringLiteral("0006");
inline const QString ExitQuestion = QStringLiteral("0007");
inline const QString RightLabel = QStringLiteral("0008");
inline const QString WrongLabel = QStringLiteral("0009");
inline const QString InformationMenu = QStringLiteral("0010");
inline const QString ResetMenu = QStringLiteral("0011");
inline const QString NextButton = QStringLiteral("0012");
inline const QString ExitMenu = QStringLiteral("0013");
inline const QString QuitQuestion = QStringLiteral("0014");
inline const QString OrderTitleOnOpen = QStringLiteral("0015");
inline const QString OrderTitleDescending = QStringLiteral("0016");
inline const QString OrderTitleAscending = QStringLiteral("0017");
// The words of the message-box buttons.
inline const QString YesButton = QStringLiteral("0240");
inline const QString NoButton = QStringLiteral("0241");
inline const QString OkButton = QStringLiteral("0242");
inline const QString DialogButtons[] = {YesButton, NoButton, OkButton};
// Hints of the column screens: HintFirst .. HintLast.
inline constexpr int HintFirst = 64;
inline constexpr int HintLast = 127;
QString hintKey(int number);  // 64 -> "0064"
inline const QString InformationLines[] = {QStringLiteral("9996"), QStringLiteral("9997"),
                                           QStringLiteral("9998"), QStringLiteral("9999")};
} // namespace msg

// The language files and LangSetting.ini of the program folder.
class LanguageFiles
{
public:
    LanguageFiles(QString programFolder, ProgramState& state);

    const QString& programFolder() const { return folder_; }
    QString settingsPath() const;
    // The file of state.currentLanguage (a name that is not a plain file name
    // counts as empty).
    QString languagePath() const;

    // A message string of section "Strings"; empty when it cannot be read.
    // Reads the settings file first while the current language is unknown.
    QString getString(const QString& key);

    // Sets state.numberWordsLanguage from message "0000"; unchanged when it
    // names none of the six languages.
    void selectNumberWordsLanguage();

    // The language named in LangSetting.ini; nullopt when it cannot be read.
    std::optional<QString> readSettingsLanguage() const;
    // Stores the choice; false when the folder is not writable.
    bool writeSettingsLanguage(const QString& language) const;

    // Removes the copies of the settings file that a write cut short by the
    // end of the program left beside it.
    void removeSettingsLeftovers() const;

    // Base names of the *.lng files of the program folder.
    QStringList languageNames() const;

private:
    QString folder_;
    ProgramState& state_;
};
