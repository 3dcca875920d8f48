// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/NumbersMenu.h"

#include "framework/Controls.h"


namespace {
constexpr double C1 = 120, C2 = 3240, C3 = 6360, Columns = 6390;
constexpr double H = 500, ColumnsH = 495;
} // namespace

NumbersMenu::NumbersMenu(AppContext& app) : ExerciseMenu(app, QStringLiteral("FormMenuNumeri"), 9510, 6840)
{
    const QFont font = designFont(QStringLiteral("Arial"), 9.75);
    // The "meno" modes are numbered out of the buttons' order.
    addButtons({
        {"Command6", C1, 120, H, "dalla parola alle cifre", "FormScri", 1},
        {"Command36", C1, 720, H, "dalle cifre alla parola", "FormScri2"},
        {"Command8", C1, 1320, H, "h  da  u", "FormScri", 2},
        {"Command7", C1, 1920, H, "< > =", "FormMM"},
        {"Command9", C1, 2505, H, "ordina i numeri", "FormOrd"},
        {"Command13", C1, 3120, H, "trova il numero in mezzo", "FormScri", 3},
        {"Command12", C1, 3720, H, "trova il numero successivo", "FormScri", 4},
        {"Command11", C1, 4320, H, "trova il numero precedente", "FormScri", 5},
        {"Command10", C1, 4920, H, "espressioni", "FormScri", 6},
        {"Command37", C1, 5520, H, "più 1", "FormScri", 7},
        {"Command14", C1, 6120, H, "più unità", "FormScri", 8},
        {"Command2", C2, 105, H, "più 10", "FormScri", 9},
        {"Command15", C2, 720, H, "più decine", "FormScri", 10},
        {"Command3", C2, 1320, H, "più 100", "FormScri", 11},
        {"Command16", C2, 1920, H, "più centinaia", "FormScri", 12},
        {"Command4", C2, 2505, H, "meno 1", "FormScri", 16},
        {"Command17", C2, 3120, H, "meno unità", "FormScri", 14},
        {"Command5", C2, 3720, H, "meno 10", "FormScri", 15},
        {"Command18", C2, 4320, H, "meno decine", "FormScri", 13},
        {"Command26", C2, 4920, H, "meno 100", "FormScri", 18},
        {"Command19", C2, 5520, H, "meno centinaia", "FormScri", 17},
        {"Command20", C2, 6120, H, "+ 1   + 10   + 100", "FormScri", 19},
        {"Command21", C3, 105, H, "- 1   - 10   - 100", "FormScri", 20},
        {"Command22", C3, 720, H, "Costruisci il 100", "FormScri", 21},
        {"Command23", Columns, 1320, ColumnsH, "addizioni in colonna senza cambi", "FormCola"},
        {"Command31", Columns, 1920, ColumnsH, "addizioni in colonna con un cambio", "FormColc"},
        {"Command24", Columns, 2520, ColumnsH, "addizioni in colonna con due cambi", "FormColD"},
        {"Command28", Columns, 3120, ColumnsH, "addizioni  in colonna con e senza cambi", "FormColb"},
        {"Command30", Columns, 3720, ColumnsH, "sottrazioni in colonna senza cambi", "Form33"},
        {"Command29", Columns, 4320, ColumnsH, "sottrazioni in colonna con un cambio", "Form36"},
        {"Command25", Columns, 4920, ColumnsH, "sottrazioni in colonna con due cambi", "Form37"},
        {"Command27", Columns, 5520, ColumnsH, "sottrazioni in colonna con e senza cambi", "Form34"},
    }, font);
    addBackButton(at(C3, 6120, ButtonWidth, H), font);
}
