// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/MainMenu.h"

#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/Pictures.h"
#include "framework/ProgramDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

namespace {
const QString LanguageItem = QStringLiteral("mnuLanguage");
}

MainMenu::MainMenu(AppContext& app) : MenuScreen(app, QStringLiteral("FormMenu"), 9180, 6510)
{
    setWindowTitle(QStringLiteral("Contalandia"));
    const QFont buttonFont = designFont(QStringLiteral("Arial"), 21.75);
    auto button = [&](QPushButton* b, const QString& name, QRect where) {
        place(b, name, where);
        b->setFont(buttonFont);
        setSvgCursor(b, pictures::ArrowPointer);
        return b;
    };

    auto* graphic = button(new QPushButton(QStringLiteral("Esercizi con supporto grafico")),
                           QStringLiteral("Command2"), at(1830, 435, 5500, 1200));
    auto* numbers = button(new QPushButton(QStringLiteral("Esercizi con solo numeri")),
                           QStringLiteral("Command3"), at(1800, 2160, 5500, 1200));
    check1_ = place(new QCheckBox(QStringLiteral("Suoni attivati")), QStringLiteral("Check1"),
                    at(2400, 4320, 3135, 375));
    check1_->setFont(designFont(QStringLiteral("Arial"), 12));
    setSvgCursor(check1_, pictures::TrebleClefPointer, 48, {25, 2});
    // Beside the sounds: every text of every screen grows with the screen.
    largeText_ = place(new QCheckBox(QStringLiteral("Testo grande")), QStringLiteral("CheckTestoGrande"),
                       at(5700, 4320, 2800, 375));
    largeText_->setFont(designFont(QStringLiteral("Arial"), 12));
    largeText_->setCursor(check1_->cursor());
    // Beside the sounds too: instructions and numbers in words said aloud
    // (only while the sounds are on).
    voice_ = place(new QCheckBox(QStringLiteral("Voce")), QStringLiteral("CheckVoce"), at(450, 4320, 1800, 375));
    voice_->setFont(designFont(QStringLiteral("Arial"), 12));
    voice_->setCursor(check1_->cursor());
    auto* quit = button(new PictureButton(QStringLiteral("Esci"), pictures::ExitDoor),
                        QStringLiteral("Command1"), at(1830, 5040, 5500, 1200));

    // The tab order of the design, Esci first; the focus starts on the
    // first exercise command, where a child starts.
    setTabOrder(quit, graphic);
    setTabOrder(graphic, numbers);
    setTabOrder(numbers, voice_);
    setTabOrder(voice_, check1_);
    setTabOrder(check1_, largeText_);

    languages_ = addMenu(QStringLiteral("mnuLanguages"), QStringLiteral("Lingua"));
    addLanguageItem(0)->setText(QStringLiteral("mnuLanguage 0"));
    // The results, for teachers and parents: on the menu bar, out of the
    // children's way.
    QAction* results = addMenuCommand(QStringLiteral("mnuRisultati"), QStringLiteral("Risultati"));
    connect(results, &QAction::triggered, this,
            [this] { this->app().navigator.open(QStringLiteral("FormRisultati")); });

    connect(graphic, &QPushButton::clicked, this,
            [this] { this->app().navigator.open(QStringLiteral("FormMenuGrafici")); });
    connect(numbers, &QPushButton::clicked, this,
            [this] { this->app().navigator.open(QStringLiteral("FormMenuNumeri")); });
    connect(quit, &QPushButton::clicked, this, [this] { confirmQuit(this->app(), this); });
    connect(check1_, &QCheckBox::toggled, this, &MainMenu::soundsToggled);
    connect(largeText_, &QCheckBox::toggled, this, &MainMenu::largeTextToggled);
    connect(voice_, &QCheckBox::toggled, this, &MainMenu::voiceToggled);
}

QAction* MainMenu::addLanguageItem(int index)
{
    QAction* item = addMenuItem(languages_, LanguageItem, QString(), index);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, index] { chooseLanguage(index); });
    return item;
}

QAction* MainMenu::languageItem(int index) const
{
    return control<QAction>(LanguageItem, index);
}

void MainMenu::beforeTranslate()
{
    fillLanguageMenu();
}

void MainMenu::fillLanguageMenu()
{
    const QStringList names = app().strings.languageNames();
    if (names.isEmpty()) {
        app().dialogs.notice(this, QStringLiteral("Non è presente alcun file di linguaggio!"));
        return;
    }
    for (int k = 0; k < names.size(); ++k) {
        QAction* item = languageItem(k);
        if (!item)
            item = addLanguageItem(k);
        item->setVisible(true);
        item->setText(names[k]);
    }
    // The language in use was taken from the settings file by the first
    // message lookup; a choice made in this session replaces it even when
    // the settings file could not store it (a read-only program folder).
    if (app().strings.currentLanguage().isEmpty())
        app().strings.setCurrentLanguage(app().strings.readSettingsLanguage().value_or(QString()));
    const QString& current = app().strings.currentLanguage();
    bool marked = false;
    for (int k = 0; k < names.size(); ++k) {
        const bool mark = !marked && languageItem(k)->text() == current;
        languageItem(k)->setChecked(mark);
        marked = marked || mark;
    }
}

void MainMenu::chooseLanguage(int index)
{
    QAction* chosen = languageItem(index);
    if (!chosen)
        return;
    for (QObject* c : controls())
        if (control::name(c) == LanguageItem)
            if (auto* a = qobject_cast<QAction*>(c))
                a->setChecked(a == chosen);
    const QString language = chosen->text();
    app().strings.setCurrentLanguage(language);
    // Exactly one screen is loaded at a time: this one.
    translate();
    app().strings.writeSettingsLanguage(language);
}

void MainMenu::onLoad()
{
    check1_->setChecked(app().state.soundsOn);
    largeText_->setChecked(app().state.largeText);
    voice_->setChecked(app().state.voiceOn);
    // Check1 paints no background of its own, so it shows the screen's
    // colour and never a patch of another one.
    randomBackground();
}

void MainMenu::onActivate()
{
    app().state.rightCount = 0;
    app().state.wrongCount = 0;
    if (auto* first = control<QWidget>(QStringLiteral("Command2")))
        first->setFocus();
}

void MainMenu::soundsToggled()
{
    app().state.soundsOn = check1_->isChecked();
    if (!app().state.soundsOn)
        app().speech.stop();
}

void MainMenu::voiceToggled()
{
    if (app().state.voiceOn == voice_->isChecked())
        return;
    app().state.voiceOn = voice_->isChecked();
    app().strings.writeVoice(app().state.voiceOn);
    if (!app().state.voiceOn)
        app().speech.stop();
}

void MainMenu::largeTextToggled()
{
    if (app().state.largeText == largeText_->isChecked())
        return;
    app().state.largeText = largeText_->isChecked();
    app().strings.writeLargeText(app().state.largeText);
    rescaleText();
}
