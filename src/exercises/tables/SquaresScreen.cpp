// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/tables/SquaresScreen.h"

#include "framework/AppContext.h"
#include "framework/CellGrid.h"
#include "framework/Controls.h"
#include "framework/SquareGrid.h"
#include "services/Contrast.h"
#include "services/MessageKeys.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr double Points = 21.75;

// A button in its own colour with white letters. The colour is painted:
// a palette of its own per opening would stay in the style's pixmap cache.
class ColourButton : public QPushButton
{
public:
    ColourButton(const QString& caption, const QColor& colour) : QPushButton(caption), colour_(colour)
    {
        setFont(designFont(QStringLiteral("Arial"), 12));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor fill = isDown() ? colour_.darker(130) : colour_;
        const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.setPen(QPen(hasFocus() ? QColor(255, 220, 0) : colour_.darker(160), hasFocus() ? 3 : 1));
        p.setBrush(fill);
        p.drawRoundedRect(box, 6, 6);
        p.setPen(contrast::readable(Qt::white, fill));
        p.setFont(font());
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, text());
    }

private:
    QColor colour_;
};

// A big square of the 500 screen: a hundred at a glance, so it shows the
// lines of its hundred small squares faintly.
class HundredSquare : public Cell
{
protected:
    void paintEvent(QPaintEvent* e) override
    {
        Cell::paintEvent(e);
        QPainter p(this);
        p.setPen(fill().darker(115));
        for (int k = 1; k < 10; ++k) {
            const int x = width() * k / 10;
            const int y = height() * k / 10;
            p.drawLine(x, 1, x, height() - 2);
            p.drawLine(1, y, width() - 2, y);
        }
    }
};

} // namespace

const QColor SquaresScreen::TenColour(255, 0, 0);
const QColor SquaresScreen::UnitColour(0, 0, 255);
const QColor SquaresScreen::HundredColour(0, 192, 0);

namespace {

CellGrid::Layout smallLayout(const SquaresVariant& v)
{
    CellGrid::Layout l;
    l.name = QStringLiteral("Picture1");
    l.count = SquareColouring::Small;
    l.perLine = 10;
    l.byColumns = true;
    l.origin = v.smallOrigin;
    l.cell = {v.smallSize, v.smallSize};
    l.pitch = {v.smallPitch, v.smallPitch};
    return l;
}

} // namespace

SquaresScreen::SquaresScreen(AppContext& app, const ExerciseRow& row, const SquaresVariant& variant)
    : ExerciseScreen(app, row), variant_(variant), colouring_(static_cast<int>(variant.bigSquares.size()))
{
    for (int i = 0; i < variant.bigSquares.size(); ++i) {
        const QRectF r = variant.bigSquares[i];
        big_.push_back(place(new HundredSquare, QStringLiteral("Picture2"), at(r.x(), r.y(), r.width(), r.height()), i));
    }
    small_ = new CellGrid(*this, smallLayout(variant));
    // A square says its colour: blank, a ten or a unit; a big one whether
    // its hundred is coloured. Named again at every painting.
    for (int i = 0; i < small_->count(); ++i)
        spokenNames().composed(small_->cell(i), {msg::BlankSquare, msg::TenSquare, msg::UnitSquare},
                               [this, i](const QStringList& m) {
                                   switch (colouring_.shade(i)) {
                                   case SquareColouring::Shade::Blank: return m.value(0);
                                   case SquareColouring::Shade::Ten: return m.value(1);
                                   case SquareColouring::Shade::Unit: return m.value(2);
                                   }
                                   return QString();
                               });
    for (int i = 0; i < big_.size(); ++i)
        spokenNames().composed(big_[i], {msg::BlankHundred, msg::GreenHundred}, [this, i](const QStringList& m) {
            return m.value(colouring_.hundredColoured(i) ? 1 : 0);
        });

    auto addButton = [this](const SquaresVariant::ColourButton& b) {
        return place(new ColourButton(QString::fromUtf8(b.caption), b.colour), QString::fromLatin1(b.name),
                     at(b.place.x(), b.place.y(), b.place.width(), b.place.height()));
    };
    connect(addButton(variant.ten), &QPushButton::clicked, this, [this] {
        if (colouring_.addTen())
            paintSquares();
    });
    connect(addButton(variant.unit), &QPushButton::clicked, this, [this] {
        if (colouring_.addUnit())
            paintSquares();
    });
    if (variant.hundred)
        connect(addButton(*variant.hundred), &QPushButton::clicked, this, [this] {
            if (colouring_.addHundred())
                paintSquares();
        });

    const QRectF r = variant.restartAt;
    restart_ = place(new QPushButton(QStringLiteral("Ricomincia")), QStringLiteral("BottoneRicomincia"),
                     at(r.x(), r.y(), r.width(), r.height()));
    restart_->setFont(designFont(QStringLiteral("Arial"), 12));
    connect(restart_, &QPushButton::clicked, this, &SquaresScreen::restart);

    equation_ = std::make_unique<EquationRow>(*this, variant.equationAt, 1335, Points);
    setAnswerInputs({equation_->box(), restart_});
    watchAnswer(equation_->box(), DigitFilter::DigitsCommaPoint, false, SquareSumProblem::Reading,
                [this] { return problem_.expectedAnswer(); }, [this](bool right) { judged(right); });
}

void SquaresScreen::opened()
{
    paintSquares();
}

void SquaresScreen::shown()
{
    newProblem();
}

void SquaresScreen::afterRescale()
{
    layOutSquareGrid(*small_, smallLayout(variant_), scale());
    frameSquareGrid(canvas(), *small_, app().state.largeText);
    for (int i = 0; i < big_.size(); ++i) {
        control::setComputedLayout(big_[i]);
        big_[i]->setGeometry(squareInBox(variant_.bigSquares[i], scale()));
    }
    equation_->layOut();
}

void SquaresScreen::newProblem()
{
    equation_->box()->setEnabled(true);
    nextButton()->setEnabled(false);
    colouring_.restart();
    problem_ = variant_.draw(app().random);
    paintSquares();
    equation_->box()->clear();
    equation_->setTexts(problem_.leftText(), problem_.rightText());
    equation_->box()->setFocus();
}

void SquaresScreen::paintSquares()
{
    for (int i = 0; i < small_->count(); ++i) {
        Cell* c = small_->cell(i);
        switch (colouring_.shade(i)) {
        case SquareColouring::Shade::Blank:
            c->setFill(variant_.blank);
            break;
        case SquareColouring::Shade::Ten:
            c->setFill(TenColour);
            break;
        case SquareColouring::Shade::Unit:
            c->setFill(UnitColour);
            break;
        }
        spokenNames().update(c);
    }
    for (int i = 0; i < big_.size(); ++i) {
        big_[i]->setFill(colouring_.hundredColoured(i) ? HundredColour : variant_.blank);
        spokenNames().update(big_[i]);
    }
}

void SquaresScreen::restart()
{
    colouring_.restart();
    paintSquares();
    equation_->box()->clear();
    equation_->setTexts(problem_.leftText(), problem_.rightText());
}

QString SquaresScreen::problemShown() const
{
    return equation_->question();
}

void SquaresScreen::judged(bool right)
{
    settleAnswer(right, equation_->box());
}
