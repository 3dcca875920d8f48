// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/ExerciseMenu.h"

#include "framework/AppContext.h"

#include <QPushButton>

ExerciseMenu::ExerciseMenu(AppContext& app, const QString& designName, double widthTwips, double heightTwips)
    : MenuScreen(app, designName, widthTwips, heightTwips)
{
    setWindowTitle(QStringLiteral("Contalandia"));
}

void ExerciseMenu::addButtons(std::initializer_list<Entry> entries, const QFont& font)
{
    for (const Entry& e : entries) {
        auto* b = place(new QPushButton(QString::fromUtf8(e.text)), QString::fromLatin1(e.name),
                        at(e.left, e.top, ButtonWidth, e.height));
        b->setFont(font);
        const QString target = QString::fromLatin1(e.target);
        b->setEnabled(app().navigator.canOpen(target));
        const int type = e.exerciseType;
        connect(b, &QPushButton::clicked, this, [this, target, type] { open(target, type); });
    }
}

QPushButton* ExerciseMenu::addBackButton(QRect where, const QFont& font)
{
    auto* b = place(new QPushButton(QStringLiteral("Torna al menù principale")), QStringLiteral("Command1"), where);
    b->setFont(font);
    connect(b, &QPushButton::clicked, this, [this] { open(QStringLiteral("FormMenu"), 0); });
    return b;
}

void ExerciseMenu::open(const QString& target, int exerciseType)
{
    if (exerciseType > 0)
        app().state.exerciseType = static_cast<qint16>(exerciseType);
    app().navigator.open(target, exerciseType);
}

void ExerciseMenu::onLoad()
{
    randomBackground();
}

void ExerciseMenu::onActivate()
{
    app().state.rightCount = 0;
    app().state.wrongCount = 0;
}
