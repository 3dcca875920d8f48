// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/ProgramDialogs.h"

#include "framework/AppContext.h"
#include "framework/Dialogs.h"
#include "services/Platform.h"

namespace {
const QString ProgramTitle = QStringLiteral("Contalandia");
const QString CrLf = QStringLiteral("\r\n");

// The same in every language: a language file adds its own lines below.
const QString Credits = QStringLiteral(
    "Contalandia\r\n"
    "Esercizi di aritmetica per la scuola primaria\r\n"
    "Numeri da 0 a 999\r\n"
    "\r\n"
    "Leggere, scrivere, contare e calcolare:\r\n"
    "un problema alla volta, con l'abaco, i blocchi e le tabelle.");
} // namespace

QString informationText(AppContext& app)
{
    QString lines;
    for (const QString& key : msg::InformationLines) {
        const QString t = app.strings.getString(key);
        if (!t.isEmpty())
            lines += t + CrLf;
    }
    if (!lines.isEmpty())
        lines = CrLf + QString(23, QLatin1Char('-')) + CrLf + lines;
    return Credits + lines;
}

void showInformation(AppContext& app, QWidget* parent)
{
    app.dialogs.information(parent, ProgramTitle, informationText(app));
}

void confirmQuit(AppContext& app, QWidget* parent)
{
    if (!app.dialogs.askYesNo(parent, ProgramTitle, app.strings.getString(msg::QuitQuestion)))
        return;
    app.navigator.closeAll();
    if (app.quitProgram)
        app.quitProgram();
}
