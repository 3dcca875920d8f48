// SPDX-License-Identifier: GPL-3.0-or-later
// The language files that ship beside the program must cover every text a
// child can read. What a screen shows is not listed by hand: every screen the
// catalogue registers is built from its design and opened offscreen, and its
// controls say which texts exist. A screen added to the catalogue therefore
// fails this check until all shipped files translate it.
//
// Which texts a file must give, decided per key of a screen section:
// - required: a caption, tooltip or screen title that is not empty and
//   contains a letter, and that the program shows as designed;
// - optional: a caption without any letter ("199", ">", "< > =", "0"):
//   numbers and symbols read the same in every language, so a file may
//   leave them to the design; also a control whose design text is empty;
// - written by the program: a text that is already different from the
//   design once the screen is open with no translation at all (problem
//   lines, the frame captions that come from message strings "0007" to
//   "0013", the language names of the main menu, a title taken from a
//   message string), or a design text that is only a default control name
//   such as "Label3" (a placeholder the program always replaces before the
//   control is shown). A file must not name these: its text would never be
//   seen, or would replace what the program put there.
// Every other key in a screen section, and every section that is not a
// screen or "Strings", is a typo.

#include "exercises/abacus/AbacusTexts.h"
#include "lang/IniFile.h"
#include "menus/ResultsTexts.h"
#include "lang/LanguageFiles.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <memory>
#include <random>

namespace {

const QString StringsSection = QStringLiteral("Strings");

QString dataDir()
{
    return QStringLiteral(CONTALANDIA_DATA_DIR);
}

// The shipped languages and the number-words language each must select.
const std::map<QString, WordsLanguage> ShippedLanguages = {
    {QStringLiteral("Italiano"), WordsLanguage::Italian}, {QStringLiteral("English"), WordsLanguage::English},
    {QStringLiteral("Français"), WordsLanguage::French},  {QStringLiteral("Deutsch"), WordsLanguage::German},
    {QStringLiteral("Español"), WordsLanguage::Spanish},  {QStringLiteral("Shqip"), WordsLanguage::Albanian},
};

QStringList shippedBaseNames()
{
    QStringList names;
    for (const QFileInfo& f : QDir(dataDir()).entryInfoList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name))
        names << f.completeBaseName();
    return names;
}

QString lngPath(const QString& folder, const QString& baseName)
{
    return QDir(folder).filePath(baseName + QStringLiteral(".lng"));
}

// --- what the screens show ------------------------------------------------

enum class Need { Required, Optional, ProgramWritten };

struct ScreenTexts
{
    QString screen;
    std::map<QString, Need> keys;      // every key a file may name
    std::map<QString, QString> design; // the design text behind each key
};

bool hasLetter(const QString& s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.isLetter(); });
}

bool isPlaceholder(const QString& text)
{
    static const QRegularExpression defaultName(QStringLiteral("^(Label|Command|Text|Check|Option|Frame)\\d+$"));
    return defaultName.match(text).hasMatch();
}

Need needOf(const QString& designText, const QString& shownText)
{
    if (shownText != designText)
        return Need::ProgramWritten;
    if (designText.trimmed().isEmpty())
        return Need::Optional;
    if (isPlaceholder(designText))
        return Need::ProgramWritten;
    return hasLetter(designText) ? Need::Required : Need::Optional;
}

struct Snapshot
{
    QString title;
    std::map<QString, std::optional<QString>> captions;
    std::map<QString, QString> toolTips;
};

Snapshot snapshot(const Screen& s)
{
    Snapshot shot;
    shot.title = s.windowTitle();
    for (QObject* c : s.controls()) {
        const QString key = control::key(c);
        shot.captions[key] = control::caption(c);
        shot.toolTips[key] = control::toolTip(c);
    }
    return shot;
}

// Builds the screen from its design, then opens it as the program does but
// with a current language whose file does not exist, so that no translation
// happens and every difference from the design is the program's own work.
ScreenTexts collectScreen(const QString& name)
{
    TestApp t;
    // Problem generators may retry until a draw suits them: give them a long,
    // varied sequence rather than one repeated fraction.
    std::mt19937 generator(20040520);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (int i = 0; i < 5000; ++i)
        t.random.push(fraction(generator));
    t.random.setFallback(0.5);
    // A language file must exist for the main menu to list one.
    t.writeLanguage(QStringLiteral("Zz"), QStringLiteral("[Strings]\n"));
    t.app.strings.setCurrentLanguage(QStringLiteral("NoSuchLanguage"));
    t.app.state.numberWordsLanguage = WordsLanguage::Italian;

    std::unique_ptr<Screen> built(t.app.navigator.createFromDesign(name));
    EXPECT_TRUE(built) << name.toStdString();
    if (!built)
        return {name, {}, {}};
    const Snapshot design = snapshot(*built);
    built.reset();

    Screen* open = t.open(name);
    EXPECT_TRUE(open) << name.toStdString();
    if (!open)
        return {name, {}, {}};
    const Snapshot shown = snapshot(*open);

    ScreenTexts texts{name, {}, {}};
    if (!design.title.isEmpty()) {
        const QString key = name + QStringLiteral(".Caption");
        texts.keys[key] = needOf(design.title, shown.title);
        texts.design[key] = design.title;
    }
    for (const auto& [control, caption] : design.captions) {
        if (caption) {
            const QString key = control + QStringLiteral(".Caption");
            const auto now = shown.captions.find(control);
            const QString shownCaption =
                now != shown.captions.end() && now->second ? *now->second : QStringLiteral("\x01gone");
            texts.keys[key] = needOf(*caption, shownCaption);
            texts.design[key] = *caption;
        }
        const QString tipKey = control + QStringLiteral(".ToolTipText");
        const auto tipNow = shown.toolTips.find(control);
        const QString designTip = design.toolTips.at(control);
        texts.keys[tipKey] = needOf(designTip, tipNow != shown.toolTips.end() ? tipNow->second : QString());
        texts.design[tipKey] = designTip;
    }
    return texts;
}

const std::vector<ScreenTexts>& allScreens()
{
    static const std::vector<ScreenTexts> screens = [] {
        std::vector<ScreenTexts> all;
        TestApp catalogue;
        QStringList names = catalogue.app.navigator.screenNames();
        names.sort();
        for (const QString& name : names)
            all.push_back(collectScreen(name));
        return all;
    }();
    return screens;
}

const ScreenTexts* screenNamed(const QString& name)
{
    for (const ScreenTexts& s : allScreens())
        if (s.screen == name)
            return &s;
    return nullptr;
}

// --- the file, line by line ---------------------------------------------

struct Entry
{
    QString key;
    QString value;
    int line = 0;
};

struct ParsedFile
{
    QStringList problems; // lines not in the exact form
    std::vector<std::pair<QString, std::vector<Entry>>> sections;
};

ParsedFile parseFile(const QString& path)
{
    ParsedFile parsed;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        parsed.problems << QStringLiteral("cannot be read");
        return parsed;
    }
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        parsed.problems << QStringLiteral("is not valid UTF-8");
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    static const QRegularExpression sectionLine(QStringLiteral("^\\[([^\\[\\]\\s][^\\[\\]]*)\\]$"));
    // key, "=", a value in double quotes; no blank around "=", none at the
    // key's ends, no quote inside the value.
    static const QRegularExpression entryLine(QStringLiteral("^([^\\s=\"\\[;](?:[^=\"]*[^\\s=\"])?)=\"([^\"]*)\"$"));
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const int number = i + 1;
        if (line.isEmpty())
            continue;
        if (const auto m = sectionLine.match(line); m.hasMatch()) {
            parsed.sections.push_back({m.captured(1), {}});
            continue;
        }
        const auto m = entryLine.match(line);
        if (!m.hasMatch()) {
            parsed.problems << QStringLiteral("line %1 is not [Section], key=\"value\" or blank: %2").arg(number).arg(line);
            continue;
        }
        if (parsed.sections.empty()) {
            parsed.problems << QStringLiteral("line %1 stands before any section").arg(number);
            continue;
        }
        parsed.sections.back().second.push_back({m.captured(1), m.captured(2), number});
    }
    return parsed;
}

QStringList formProblems(const QString& path)
{
    const ParsedFile parsed = parseFile(path);
    QStringList problems = parsed.problems;
    QSet<QString> sectionNames;
    for (const auto& [section, entries] : parsed.sections) {
        if (sectionNames.contains(section.toLower()))
            problems << QStringLiteral("section [%1] appears twice").arg(section);
        sectionNames.insert(section.toLower());
        QSet<QString> keys;
        for (const Entry& e : entries) {
            if (keys.contains(e.key.toLower()))
                problems << QStringLiteral("[%1] %2 appears twice (line %3)").arg(section, e.key).arg(e.line);
            keys.insert(e.key.toLower());
        }
    }
    // Larger files are read by a line scan that ignores sections, where the
    // first "Command1.Caption" of any screen would win.
    if (QFileInfo(path).size() > ini::SectionReaderLimit)
        problems << QStringLiteral("is %1 bytes, above the %2 the section reader handles")
                        .arg(QFileInfo(path).size()).arg(ini::SectionReaderLimit);
    return problems;
}

QStringList messageKeys()
{
    QStringList keys;
    for (int n = 0; n <= 17; ++n)
        keys << msg::hintKey(n);
    for (int n = msg::HintFirst; n <= msg::HintLast; ++n)
        keys << msg::hintKey(n);
    keys << abacus::texts::allKeys();
    for (int n = msg::ColumnNamesFirst; n <= msg::ColumnNamesLast; ++n)
        keys << msg::hintKey(n);
    keys << msg::ColumnSolvedHint;
    for (int n = msg::TableNamesFirst; n <= msg::TableNamesLast; ++n)
        keys << msg::hintKey(n);
    for (int kind = 0; kind < 3; ++kind)
        keys << msg::blockWordsKey(kind, false) << msg::blockWordsKey(kind, true);
    for (const QString& k : msg::SpokenNameKeys)
        keys << k;
    for (const QString& k : msg::NumberLineTexts)
        keys << k;
    for (const QString& k : msg::SpeakerNames)
        keys << k;
    for (const QString& k : msg::DialogButtons)
        keys << k;
    keys << resultsTexts::allKeys();
    return keys;
}

QStringList readMessageKeys()
{
    QStringList keys = messageKeys();
    for (const QString& k : msg::InformationLines)
        keys << k;
    return keys;
}

// Every text a child reads must come out of the file non-empty, read by the
// program's own reader.
QStringList missingTexts(const QString& folder, const QString& baseName, const std::vector<ScreenTexts>& screens)
{
    QStringList problems;
    LanguageFiles files(folder);
    files.setCurrentLanguage(baseName);
    for (const QString& key : messageKeys())
        if (files.getString(key).trimmed().isEmpty())
            problems << QStringLiteral("[Strings] %1 is missing or empty").arg(key);

    const QString path = lngPath(folder, baseName);
    for (const ScreenTexts& s : screens)
        for (const auto& [key, need] : s.keys) {
            if (need != Need::Required)
                continue;
            const auto value = ini::readValue(path, s.screen, key);
            if (!value || value->trimmed().isEmpty())
                problems << QStringLiteral("[%1] %2 is missing or empty (design text \"%3\")")
                                .arg(s.screen, key, s.design.at(key));
        }
    return problems;
}

QStringList unknownKeys(const QString& path, const std::vector<ScreenTexts>& screens)
{
    QStringList problems;
    const QStringList strings = readMessageKeys();
    for (const auto& sectionEntries : parseFile(path).sections) {
        // Named, not a structured binding: clang 14 cannot capture those.
        const QString& section = sectionEntries.first;
        const auto& entries = sectionEntries.second;
        if (section == StringsSection) {
            for (const Entry& e : entries)
                if (!strings.contains(e.key))
                    problems << QStringLiteral("[Strings] %1 is a key the program never reads (line %2)")
                                    .arg(e.key).arg(e.line);
            continue;
        }
        const auto screen = std::find_if(screens.begin(), screens.end(),
                                         [&](const ScreenTexts& s) { return s.screen == section; });
        if (screen == screens.end()) {
            problems << QStringLiteral("[%1] is not a screen of the program").arg(section);
            continue;
        }
        for (const Entry& e : entries) {
            const auto k = screen->keys.find(e.key);
            if (k == screen->keys.end())
                problems << QStringLiteral("[%1] %2 names no text of the screen (line %3)").arg(section, e.key).arg(e.line);
            else if (k->second == Need::ProgramWritten)
                problems << QStringLiteral("[%1] %2 is a text the program writes itself (line %3)")
                                .arg(section, e.key).arg(e.line);
        }
    }
    return problems;
}

std::string report(const QString& file, const QStringList& problems)
{
    return (file + QStringLiteral(":\n  ") + problems.join(QStringLiteral("\n  "))).toStdString();
}

} // namespace

TEST(LanguageFilesComplete, TheSixLanguagesAndNoOthersShip)
{
    QStringList expected;
    for (const auto& [name, code] : ShippedLanguages)
        expected << name;
    expected.sort();
    EXPECT_EQ(shippedBaseNames(), expected);
}

TEST(LanguageFilesComplete, EveryLineHasTheExactForm)
{
    for (const QString& name : shippedBaseNames()) {
        const QStringList problems = formProblems(lngPath(dataDir(), name));
        EXPECT_TRUE(problems.isEmpty()) << report(name, problems);
    }
}

TEST(LanguageFilesComplete, EveryTextOfEveryScreenAndEveryMessageIsTranslated)
{
    ASSERT_FALSE(allScreens().empty());
    for (const QString& name : shippedBaseNames()) {
        const QStringList problems = missingTexts(dataDir(), name, allScreens());
        EXPECT_TRUE(problems.isEmpty()) << report(name, problems);
    }
}

TEST(LanguageFilesComplete, EveryKeyNamesATextOfItsScreen)
{
    for (const QString& name : shippedBaseNames()) {
        const QStringList problems = unknownKeys(lngPath(dataDir(), name), allScreens());
        EXPECT_TRUE(problems.isEmpty()) << report(name, problems);
    }
}

TEST(LanguageFilesComplete, EachFileSelectsItsOwnNumberWords)
{
    for (const auto& [name, code] : ShippedLanguages) {
        LanguageFiles files(dataDir());
        files.setCurrentLanguage(name);
        EXPECT_EQ(files.numberWordsLanguage(), code) << name.toStdString();
    }
}

// The Italian file is the design written out: a language is added by
// translating it, and it must not drift from what the screens show.
TEST(LanguageFilesComplete, TheItalianFileGivesTheDesignTexts)
{
    const QString path = lngPath(dataDir(), QStringLiteral("Italiano"));
    for (const ScreenTexts& s : allScreens())
        for (const auto& [key, need] : s.keys) {
            if (need != Need::Required)
                continue;
            const QString value = ini::readValue(path, s.screen, key).value_or(QString());
            EXPECT_EQ(value.trimmed().toStdString(), s.design.at(key).trimmed().toStdString())
                << "[" << s.screen.toStdString() << "] " << key.toStdString();
        }
}

TEST(LanguageFilesComplete, AFreshInstallStartsInItalian)
{
    LanguageFiles files(dataDir());
    EXPECT_EQ(files.readSettingsLanguage().value_or(QString()), QStringLiteral("Italiano"));
    EXPECT_EQ(files.getString(QStringLiteral("0008")), QStringLiteral("Esatti"));
}

// The rules above decide what the check demands; if they went wrong (every
// caption taken for the program's own, say) the check would pass on any file.
TEST(LanguageFilesComplete, TheRulesTellDesignTextsFromProgramTexts)
{
    struct Case { const char* screen; const char* key; Need need; };
    const Case cases[] = {
        {"FormMenu", "Command2.Caption", Need::Required},
        {"FormMenu", "FormMenu.Caption", Need::Required},
        {"FormMenu", "mnuLanguages.Caption", Need::Required},
        {"FormMenu", "mnuLanguage(0).Caption", Need::ProgramWritten},   // a language name
        {"FormAvvio", "Label2(1).Caption", Need::Required},
        {"FormMenuNumeri", "Command7.Caption", Need::Optional},         // "< > ="
        {"FormMenuNumeri", "Command8.Caption", Need::Required},          // "h  da  u"
        {"FormScri", "EtichettaNumero.Caption", Need::ProgramWritten},  // the problem line
        {"FormScri", "LabelEST.Caption", Need::ProgramWritten},         // message "0008"
        {"FormScri", "mnuEsci.Caption", Need::ProgramWritten},          // message "0013"
        {"FormScri", "Label3.Caption", Need::Required},
        {"FormScri", "CorniceNumeroMassimo.Caption", Need::Required},
        {"FormScri", "OpzioneNumeroMassimo(0).Caption", Need::Optional}, // "199"
        {"FormMM", "Label3.Caption", Need::ProgramWritten},             // placeholder "Label3"
        {"FormOrd", "FormOrd.Caption", Need::ProgramWritten},           // message "0015"
        {"FormOrd", "MenuSu.Caption", Need::Required},
    };
    for (const Case& c : cases) {
        const ScreenTexts* s = screenNamed(QString::fromLatin1(c.screen));
        if (!s)
            continue; // a screen not in the catalogue yet
        const auto k = s->keys.find(QString::fromLatin1(c.key));
        ASSERT_NE(k, s->keys.end()) << c.screen << " " << c.key;
        EXPECT_EQ(k->second, c.need) << c.screen << " " << c.key;
    }
    ASSERT_NE(screenNamed(QStringLiteral("FormMenu")), nullptr);
}

// The check itself finds the faults it exists for, in a copy of the Italian
// file with one of each.
TEST(LanguageFilesComplete, TheCheckReportsMissingMistypedAndMisplacedTexts)
{
    QFile italian(lngPath(dataDir(), QStringLiteral("Italiano")));
    ASSERT_TRUE(italian.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(italian.readAll());
    text.replace(QStringLiteral("Command2.Caption=\"Esercizi con supporto grafico\""),
                 QStringLiteral("Command2.Caption=\"\""));
    text.replace(QStringLiteral("Check1.Caption="), QStringLiteral("Chek1.Caption="));
    text.replace(QStringLiteral("0100=\""), QStringLiteral("0010x=\""));
    text.replace(QStringLiteral("0012=\"avanti\""), QStringLiteral("0012 = \"avanti\""));
    text += QStringLiteral("\n[FormNessuna]\nCommand1.Caption=\"x\"\n[FormMenu]\nmnuLanguage(0).Caption=\"Italiano\"\n");

    QTemporaryDir dir;
    QFile broken(lngPath(dir.path(), QStringLiteral("Rotto")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(text.toUtf8());
    broken.close();

    const QString all = (formProblems(broken.fileName()) + missingTexts(dir.path(), QStringLiteral("Rotto"), allScreens())
                         + unknownKeys(broken.fileName(), allScreens()))
                            .join(u'\n');
    for (const char* expected : {"0012 = \"avanti\"", "[FormMenu] Command2.Caption is missing",
                                 "[FormMenu] Check1.Caption is missing", "[FormMenu] Chek1.Caption names no text",
                                 "[Strings] 0100 is missing", "[Strings] 0010x is a key the program never reads",
                                 "[FormNessuna] is not a screen", "section [FormMenu] appears twice",
                                 "mnuLanguage(0).Caption is a text the program writes itself"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(expected))) << expected << "\nin:\n" << all.toStdString();
}
