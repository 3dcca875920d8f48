#include "menus/StartScreen.h"

#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/Pictures.h"

#include <QLabel>

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

    auto* start = place(new PictureButton(QStringLiteral("Avvio"), pictures::StartButton),
                        QStringLiteral("BottoneAvvio"), at(3360, 6000, 4425, 1185));
    start->setFont(designFont(QStringLiteral("Arial"), 24));
    start->setCursor(svgCursor(pictures::ArrowPointer));
    connect(start, &QPushButton::clicked, this, &StartScreen::startClicked);
}

void StartScreen::onLoad()
{
    randomBackground();
}

void StartScreen::startClicked()
{
    app().navigator.open(QStringLiteral("FormMenu"));
}
