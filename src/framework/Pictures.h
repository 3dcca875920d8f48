// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The design pictures and pointers, compiled in from assets/.
namespace pictures {
inline const QString YesFace = QStringLiteral(":/assets/faccia_si.svg");
inline const QString NoFace = QStringLiteral(":/assets/faccia_no.svg");
inline const QString NextArrow = QStringLiteral(":/assets/avanti.svg");
inline const QString StartButton = QStringLiteral(":/assets/avvio.svg");
inline const QString ExitDoor = QStringLiteral(":/assets/esci.svg");
inline const QString TrebleClefPointer = QStringLiteral(":/assets/puntatore_chiave.svg");
inline const QString ArrowPointer = QStringLiteral(":/assets/puntatore_freccia.svg");
inline const QString HandPointer = QStringLiteral(":/assets/puntatore_mano.svg");
inline const QString DragPointer = QStringLiteral(":/assets/puntatore_trascina.svg");
inline const QString ConfirmTick = QStringLiteral(":/assets/spunta.svg");
inline const QString Speaker = QStringLiteral(":/assets/altoparlante.svg");
} // namespace pictures
