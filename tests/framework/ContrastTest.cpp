// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the program draws reads on what lies behind it: 4.5:1 or
// better, on every background of the palette and every coloured control.
#include "services/Contrast.h"
#include "support/TestApp.h"
#include "support/Wcag.h"

#include <QLabel>

namespace {

struct Drawn
{
    const char* what;
    QColor text;        // the colour the design gives the text
    QColor background;  // what it is drawn on
};

// The coloured controls: each with the text colour of its design.
const Drawn kColouredControls[] = {
    {"column of hundreds", Qt::black, QColor(255, 255, 0)},
    {"column of tens", Qt::black, QColor(255, 0, 0)},
    {"column of units", Qt::white, QColor(0, 0, 255)},
    {"blocks' hundreds button", Qt::white, QColor(0, 192, 0)},
    {"blocks' tens button", Qt::white, QColor(255, 0, 0)},
    {"blocks' units button", Qt::white, QColor(0, 0, 255)},
    {"bright green block", Qt::white, QColor(0, 255, 0)},
    {"abacus hundreds digit", QColor(0, 128, 0), Qt::white},
    {"abacus tens digit", QColor(255, 0, 0), Qt::white},
    {"abacus units digit", QColor(0, 0, 255), Qt::white},
    {"squares' button", Qt::white, QColor(255, 128, 0)},
    {"pale cell", Qt::black, QColor(192, 255, 192)},
    {"choice panel", Qt::black, QColor(255, 255, 224)},
};

TEST(Contrast, EveryBackgroundAndColouredControlGetsATextThatReads)
{
    for (int slot = 0; slot < 18; ++slot) {
        const QColor background = TestApp::colourFor((slot + 0.5) / 18);
        EXPECT_GE(wcagContrast(contrast::textOn(background), background), 4.5) << background.name().toStdString();
        // The screen's black text where it reads (all but the brown).
        const QColor text = contrast::readable(Qt::black, background);
        EXPECT_GE(wcagContrast(text, background), 4.5) << background.name().toStdString();
        if (wcagContrast(Qt::black, background) >= 4.5)
            EXPECT_EQ(text, QColor(Qt::black));
    }
    // The brown of the palette takes light letters, the nearest to black
    // that read.
    const QColor onBrown = contrast::readable(Qt::black, QColor(192, 64, 0));
    EXPECT_GT(onBrown.lightness(), 200);
    EXPECT_LT(wcagContrast(onBrown, QColor(192, 64, 0)), 5.0);

    for (const Drawn& d : kColouredControls) {
        const QColor text = contrast::readable(d.text, d.background);
        EXPECT_GE(wcagContrast(text, d.background), 4.5) << d.what;
        // Kept as designed where it read already; else of the same hue, the
        // nearest that reads.
        if (wcagContrast(d.text, d.background) >= 4.5)
            EXPECT_EQ(text, d.text) << d.what;
        else if (d.text != QColor(Qt::white) && d.text != QColor(Qt::black))
            EXPECT_EQ(text.hue(), d.text.hue()) << d.what;
    }
}

// The darkest or lightest pixel of a part of the picture: the core of the
// text drawn there, whichever way it differs from the background.
QColor textCore(const QImage& shot, const QRect& where, const QColor& background)
{
    QColor core = background;
    double most = 1;
    for (int y = where.top(); y <= where.bottom(); ++y)
        for (int x = where.left(); x <= where.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (const double r = wcagContrast(c, background); r > most) {
                most = r;
                core = c;
            }
        }
    return core;
}

TEST(Contrast, ALabelOnTheScreensColourIsDrawnInATextColourThatReadsOnIt)
{
    for (const QColor background : {QColor(192, 64, 0), QColor(255, 192, 192), QColor(255, 0, 255)}) {
        TestApp t;
        t.random.setFallback(0.3);
        t.open(QStringLiteral("FormScri2"));
        auto* instruction = t.find<QLabel>(QStringLiteral("Label3"));
        ASSERT_FALSE(instruction->autoFillBackground());
        t.current()->setBackground(background);
        const QImage shot = t.current()->canvas()->grab().toImage();
        const QColor core = textCore(shot, instruction->geometry(), background);
        EXPECT_GE(wcagContrast(core, background), 4.5) << background.name().toStdString();
    }
}

} // namespace
