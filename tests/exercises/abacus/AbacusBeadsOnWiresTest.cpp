// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/abacus/AbacusScreenFixture.h"
#include "framework/Controls.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace abacustest;

// Every bead of a wire's own column stands centred on its wire, on displays
// shaped like the design (4:3) and wider ones. A bead an odd number of
// pixels wide cannot be centred closer than half a pixel.
TEST(AbacusBeadsOnWires, EveryBeadIsCentredOnItsWireAtEverySize)
{
    const char* const Wires[] = {"pal_h", "pal_da", "pal_u"};
    for (const char* screen : {"Form999sem", "Form999a", "Form999b", "Form999b1", "Form999c", "Form999d"}) {
        TestApp t;
        // Varied draws: some generators draw again until the numbers differ.
        for (int k = 0; k < 400; ++k)
            t.random.push(std::fmod(0.137 + 0.618 * k, 1.0));
        t.random.setFallback(0.5);
        t.open(QString::fromLatin1(screen));
        for (QSize size : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)}) {
            t.resize(size);
            for (int w = 0; w < 3; ++w) {
                const double wire = t.find<LineControl>(QStringLiteral("FiloAbaco"), w)->ends().x1();
                for (int i = 0; i < 10; ++i) {
                    const QWidget* bead = t.find<QWidget>(QString::fromLatin1(Wires[w]), i);
                    if (!bead)
                        break;
                    const QRect r = bead->geometry();
                    EXPECT_LE(std::abs(r.x() + r.width() / 2.0 - wire), 0.5)
                        << screen << " " << size.width() << "x" << size.height() << " " << Wires[w] << "(" << i << ")";
                }
            }
        }
    }
}
