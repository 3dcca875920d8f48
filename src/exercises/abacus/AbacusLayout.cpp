// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusLayout.h"

#include <cmath>

namespace abacus {

AbacusGeometry layoutAbacus(const AbacusDesign& d, const DesignToScreen& toScreen)
{
    auto map = [&](double x, double y, double w, double h) {
        const QRectF r(x, y, w, h);
        return toScreen ? toScreen(r) : r;
    };
    // Horizontal places and vertical places converted on their own, so a
    // screen stretched more one way than the other keeps round beads.
    auto mapX = [&](double x) { return std::round(map(x, d.wireTop, 0, 0).left()); };
    auto mapY = [&](double y) { return std::round(map(d.wireX[0], y, 0, 0).top()); };

    AbacusGeometry g;
    const double top = mapY(d.wireTop);
    const double bottom = mapY(d.wireBottom);
    const double step = std::floor((bottom - top) / 9);
    g.step = step;
    const double baseline = mapY(d.unitsFootTop);

    for (int w = 0; w < WireCount; ++w) {
        // A wire that keeps its design place carries its beads centred on
        // it; their design edge would follow the width's scale while their
        // size follows the height's, and slide off the wire on a display
        // that is not shaped like the design.
        const double onWire = mapX(d.wireX[w]) - std::floor(step / 2);
        const double second = mapX(d.secondLeft[w]);
        const double main = !d.wiresThroughBeads              ? onWire
                            : d.touchingColumns && d.places[w] > 9 ? second + step
                                                                   : mapX(d.mainLeft[w]);
        const int mainPlaces = d.places[w] > 9 ? 10 : d.places[w];
        for (int i = 0; i < mainPlaces; ++i)
            g.places[w][i] = QRectF(main, baseline - i * step, step, step);
        for (int i = 10; i < d.places[w] && i < MaxPlaces; ++i)
            g.places[w][i] = QRectF(second, baseline - (i - 10) * step, step, step);
        const double x = d.wiresThroughBeads ? main + std::floor(step / 2) : mapX(d.wireX[w]);
        g.wires[w] = QLineF(x, top, x, bottom);
    }
    const double markerY = baseline - 4 * step;
    g.marker = QLineF(mapX(d.markerLeft), markerY, mapX(d.markerRight), markerY);
    return g;
}

} // namespace abacus
