// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/StartScreen.h"

#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/Pictures.h"

#include "results/ResultsStore.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
QLabel* titleLabel(const QString& text, double points, Qt::Alignment align)
{
    auto* l = new QLabel(text);
    l->setFont(designFont(QStringLiteral("Comic Sans MS"), points));
    l->setAlignment(align);
    return l;
}
} // namespace

StartScreen::StartScreen(AppContext& app) : MenuScreen(app, QStringLiteral("FormAvvio"), 10875, 7575)
{
    setWindowTitle(QStringLiteral("Contalandia"));
    place(titleLabel(QStringLiteral("Mondocalcolo"), 26.25, Qt::AlignCenter),
          QStringLiteral("Label2"), at(2160, 360, 8055, 855), 1);
    place(titleLabel(QStringLiteral("Contalandia"), 72, Qt::AlignCenter),
          QStringLiteral("Label2"), at(120, 1200, 10215, 4455), 0);
    place(titleLabel(QStringLiteral("20 maggio 2004"), 14.25, Qt::AlignCenter),
          QStringLiteral("Label1"), at(600, 6240, 2535, 615));

    auto* start = start_ = place(new PictureButton(QStringLiteral("Avvio"), pictures::StartButton),
                        QStringLiteral("BottoneAvvio"), at(3360, 6000, 4425, 1185));
    start->setFont(designFont(QStringLiteral("Arial"), 24));
    setSvgCursor(start, pictures::ArrowPointer);
    connect(start, &QPushButton::clicked, this, &StartScreen::startClicked);
    showPlayers();
    if (app.results)
        connect(app.results, &ResultsStore::playersChanged, this, &StartScreen::showPlayers);
}

void StartScreen::showPlayers()
{
    // The buttons of the names shown until now go; no signal of theirs
    // leads here, so none is deleted while it is being handled. A child
    // on the keys who was on one of them goes on from "Avvio".
    const bool hadFocus = playerButtons_.contains(qobject_cast<QPushButton*>(focusWidget()));
    qDeleteAll(playerButtons_);
    playerButtons_.clear();
    ResultsStore* results = app().results;
    const QStringList names = results ? results->players() : QStringList();
    if (names.size() >= 2)
        addPlayerButtons(names);
    // Placed once the screen is loaded: scaled to it as it is now (nothing
    // to do while it is being built).
    rescaleText();
    if (hadFocus)
        start_->setFocus(Qt::OtherFocusReason);
}

void StartScreen::addPlayerButtons(const QStringList& names)
{
    ResultsStore* results = app().results;
    // A band above "Avvio", across the screen, filled from its foot: up to
    // four names a row for a family, more and smaller for a class.
    const int n = int(names.size());
    const int columns = n <= 4 ? n : n <= 8 ? 4 : n <= 15 ? 5 : 6;
    const int rows = (n + columns - 1) / columns;
    const double left = 360, width = 10155, bottom = 5880, band = 1680, gap = 120;
    const double w = (width - gap * (columns - 1)) / columns;
    const double h = std::min(720.0, (band - gap * (rows - 1)) / rows);
    const double top = bottom - rows * h - (rows - 1) * gap;
    const QFont font = designFont(QStringLiteral("Arial"), std::clamp(h / 20.0 * 0.5, 8.0, 20.0));
    for (int i = 0; i < n; ++i) {
        // A name shows as it was typed: "&" in a caption would mark a
        // shortcut key and vanish.
        auto* b = place(new QPushButton(QString(names[i]).replace(QLatin1Char('&'), QLatin1String("&&"))),
                        QStringLiteral("BottoneGiocatore"),
                        at(left + (i % columns) * (w + gap), top + (i / columns) * (h + gap), w, h), i);
        playerButtons_.push_back(b);
        b->show();   // shown with the screen, or at once on a screen on show
        b->setFont(font);
        setSvgCursor(b, pictures::ArrowPointer);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setChecked(playerKey(names[i]) == playerKey(results->currentPlayer()));
        const QString name = names[i];
        connect(b, &QPushButton::clicked, this, [this, b, name] {
            b->setChecked(true);
            if (ResultsStore* r = this->app().results)
                r->choosePlayer(name);
        });
    }
}

void StartScreen::onLoad()
{
    randomBackground();
}

void StartScreen::startClicked()
{
    app().navigator.open(QStringLiteral("FormMenu"));
}
