// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "exercises/columns/ColumnProblem.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <optional>
#include <span>

// The eight column screens as data: what each one poses, which hints it
// shows and where its controls stand. The screens are built from these rows.
namespace columns {

// Sizes shared by every column screen, in design twips.
inline constexpr double CellSize = 1095;       // grid cells and result boxes
inline constexpr double MarkWidth = 375;       // exchange marks
inline constexpr double MarkHeight = 615;
inline constexpr double MessageWidth = 7215;   // the hint line Label3
inline constexpr double MessageHeight = 735;

// Where the controls of one kind of column screen stand, in design twips.
struct ColumnGeometry
{
    QSizeF client;                        // the design client area
    std::array<double, 3> columnLeft;     // by Place
    std::array<double, 3> rowTop;         // grid row 1, grid row 2, result row
    double headingTop = 0;
    std::array<const char*, 3> headingNames; // the "h", "da", "u" labels by Place
    QLineF bar;                           // Line1, under grid row 2
    QLineF stroke;                        // Line2: the minus, or the plus's bar
    std::optional<QLineF> upright;        // Line3: the plus's upright
    QPointF message;                      // Label3's top-left corner
    QPointF textLine;                     // Lh1's top-left corner; the rest follows it
    std::array<QPointF, 2> departure{};   // by Exchange; only with exchanges
    std::array<QPointF, 2> arrival{};
    QPointF countsBox;                    // the frame's counts box
    QRectF next;                          // BottoneAvanti

    QRectF cell(int row, Place p) const { return {columnLeft[p], rowTop[row], CellSize, CellSize}; }
    QRectF box(Place p) const { return cell(2, p); }
    // A heading reaches down to grid row 1 and stands on it, so its letters
    // are never covered by the cells whatever the display's size.
    QRectF heading(Place p) const { return {columnLeft[p], headingTop - 240, CellSize, rowTop[0] - headingTop + 240}; }
    QRectF departureMark(Exchange e) const { return {departure[e], QSizeF(MarkWidth, MarkHeight)}; }
    QRectF arrivalMark(Exchange e) const { return {arrival[e], QSizeF(MarkWidth, MarkHeight)}; }
    QRectF messageLine() const { return {message, QSizeF(MessageWidth, MessageHeight)}; }
};

// The addition without exchanges (FormCola).
const ColumnGeometry& plainAdditionGeometry();
// The additions with exchange marks (FormColb, FormColc, FormColD).
const ColumnGeometry& exchangeAdditionGeometry();
// The subtraction without exchanges (Form33).
const ColumnGeometry& plainSubtractionGeometry();
// The subtractions with exchange marks (Form34, Form36, Form37).
const ColumnGeometry& exchangeSubtractionGeometry();

using ColumnGenerator = ColumnNumbers (*)(RandomSource&);

// One column screen.
struct ColumnVariant
{
    const char* designName;    // objectName, language-file section, menu target
    const char* title;         // the window's design title
    ColumnGenerator generate;
    ColumnRules rules;
    const ColumnGeometry* geometry;
};

// The eight screens, additions first, in the order of the numbers menu.
std::span<const ColumnVariant> columnVariants();
const ColumnVariant* columnVariant(const QString& designName);

} // namespace columns
