// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/PicturesMenu.h"

#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/Pictures.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr double C1 = 120, C2 = 3240, C3 = 6360;
constexpr double H = 495;
} // namespace

PicturesMenu::PicturesMenu(AppContext& app)
    : ExerciseMenu(app, QStringLiteral("FormMenuGrafici"), 9540, 6510)
{
    const QFont headingFont = designFont(QStringLiteral("Arial"), 12);
    auto heading = [&](int index, double left, double top, const char* text) {
        auto* l = place(new QLabel(QString::fromUtf8(text)), QStringLiteral("Label%1").arg(index),
                        at(left, top, ButtonWidth, 360));
        l->setFont(headingFont);
        l->setAlignment(Qt::AlignCenter);
    };
    heading(1, C1, 120, "piatti lunghi e unità");
    heading(2, C1, 2400, "abaco");
    heading(3, C2, 4155, "tabelle");
    heading(4, C3, 120, "linee dei numeri");
    heading(5, C3, 2400, "altri");

    const QFont font = designFont(QStringLiteral("Arial"), 9.75);
    addButtons({
        {"Command2", C1, 480, H, "dal numero al disegno", "Form999x"},
        {"Command6", C1, 1080, H, "scrivi il numero in parola", "Form999z"},
        {"Command3", C1, 1680, H, "scrivi il numero in cifre", "Form999y"},
        {"Command13", C1, 2880, H, "inserisci le palline nell'abaco - 1", "Form999sem"},
        {"Command4", C1, 3480, H, "inserisci le palline nell'abaco - 2", "Form999a"},
        {"Command7", C1, 4080, H, "scrivi il numero in parola", "Form999b1"},
        {"Command5", C1, 4680, H, "scrivi il numero in cifre", "Form999b"},
        {"Command16", C1, 5280, H, "addizioni senza cambio", "Form999c"},
        {"Command25", C1, 5880, H, "addizioni con un cambio", "Form999c1"},
        {"Command14", C2, 480, H, "addizioni con due cambi", "Form999c2"},
        {"Command15", C2, 1080, H, "addizioni con e senza cambi", "Form999c3"},
        {"Command28", C2, 1680, H, "sottrazioni senza cambio", "Form999d"},
        {"Command19", C2, 2280, H, "sottrazioni con un cambio", "Form999d1"},
        {"Command18", C2, 2880, H, "sottrazioni con due cambi", "Form999d2"},
        {"Command17", C2, 3480, H, "sottrazioni con e senza cambi", "Form999d3"},
        {"Command22", C2, 4680, H, "Costruisci il 100 con la tabella", "FormC100"},
        {"Command8", C2, 5280, H, "trova il numero", "Form100Trova2"},
        {"Command9", C2, 5880, H, "riconosci il numero", "Form100Ricon2"},
        {"Command10", C3, 480, H, "graduata alle unità ", "FormGradi1"},
        {"Command11", C3, 1080, H, "graduata alle decine", "FormGradi2"},
        {"Command12", C3, 1680, H, "graduazioni miste", "FormGradi3"},
        {"Command26", C3, 2880, H, "Costruisci il 100 con il quadrato", "Form100g"},
        {"Command27", C3, 3480, H, "Costruisci il 500 con i quadrati", "Form500g"},
    }, font);
    addBackButton(at(C3, 5880, ButtonWidth, H), font);

    for (QObject* c : controls())
        if (auto* b = qobject_cast<QPushButton*>(c))
            setSvgCursor(b, pictures::ArrowPointer);
}

void PicturesMenu::onLoad()
{
    // The first abacus exercise splits Italian number words into coloured
    // parts; with any other number-words language its cell stays empty.
    if (app().state.numberWordsLanguage != WordsLanguage::Italian)
        control<QWidget>(QStringLiteral("Command13"))->hide();
    ExerciseMenu::onLoad();
}
