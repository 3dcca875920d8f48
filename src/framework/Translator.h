// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>

class LanguageFiles;
class QObject;
class QWidget;

// Replaces a screen's title and tag and the captions, tooltips and tags of
// its controls with the texts of the language file, looked up in the section
// named after the screen ("N.Caption", "N(I).Caption", ...). A text the file
// lacks keeps what the control shows; the title is special: an existing file
// without "S.Caption" empties a title that is not empty. Never fails. The
// texts come from the current language file (LanguageFiles::screenTexts,
// which cuts texts too long to show).
void translateScreen(QWidget& screen, const QList<QObject*>& controls, LanguageFiles& files);
