// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cmath>
#include "exercises/frame/ExerciseScreen.h"
#include "exercises/tables/EquationRow.h"
#include "exercises/tables/Squares.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <memory>
#include <optional>

class Cell;
class CellGrid;
class QPushButton;
class RandomSource;

// One of the square screens: what differs between "Costruisci il 100 con il
// quadrato" and "Costruisci il 500 con i quadrati" is data.
struct SquaresVariant
{
    struct ColourButton
    {
        const char* name;      // Command1 (ten), Command2 (unit), Command3 (hundred)
        const char* caption;
        QRectF place;          // twips
        QColor colour;
    };

    SquareSumProblem (*draw)(RandomSource&);   // the screen's generator
    QPointF smallOrigin;                       // Picture1(0), twips
    double smallSize;
    double smallPitch;
    QList<QRectF> bigSquares;                  // Picture2(0..), twips; none on the 100 screen
    QColor blank;                              // an uncoloured square, small or big
    QPointF equationAt;
    ColourButton ten;
    ColourButton unit;
    std::optional<ColourButton> hundred;
    QRectF restartAt;
};

// Form100g and Form500g: an equation a + ? = 100 (or 500) to complete, and
// squares the child may colour as a counting aid. The colouring is never
// judged; only the typed number is.
class SquaresScreen : public ExerciseScreen
{
    Q_OBJECT
public:
    static const QColor TenColour;
    static const QColor UnitColour;
    static const QColor HundredColour;

    SquaresScreen(AppContext& app, const ExerciseRow& row, const SquaresVariant& variant);

protected:
    void newProblem() override;
    void opened() override;
    void shown() override;
    void afterRescale() override;
    // The equation as shown, with a question mark for the box.
    QString problemShown() const override;
    std::optional<int> spokenAnswer() const override { return int(std::lround(problem_.expectedAnswer().number)); }

private:
    void paintSquares();
    void restart();
    void judged(bool right);

    const SquaresVariant variant_;
    SquareSumProblem problem_;
    SquareColouring colouring_;
    CellGrid* small_ = nullptr;
    QList<Cell*> big_;
    std::unique_ptr<EquationRow> equation_;
    QPushButton* restart_ = nullptr;
};
