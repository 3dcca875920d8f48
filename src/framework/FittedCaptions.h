// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include <limits>
#include <vector>

class QFontMetrics;
class QMenuBar;
class QPushButton;
class QStyle;

// Captions from a language file may be of any length; the commands they
// name must stay in sight. A menu bar shares its width among its commands
// and a button shows what fits of its caption: a caption that does not fit
// is drawn cut, ending in "…". The caption itself stays whole (a screen
// reader says all of it, and pointing at the command shows it in full); only
// its drawing is cut, by the program's style (ChildStyle).
namespace fitted {

inline constexpr int NoCap = std::numeric_limits<int>::max();

// The largest width every item may take so that all fit in `available`:
// items narrower than it keep their width, the wider ones are cut to it,
// never below `least`. NoCap when all fit as they are.
int commonCap(const std::vector<int>& widths, int available, int least);

// The widest caption each command of the bar may show now, its own margins
// left aside; NoCap while all fit. `base` is the style that lays the bar
// out without cutting.
int menuBarCap(const QMenuBar& bar, const QStyle& base);
// The width a button has for its caption beside its picture.
int buttonTextRoom(const QPushButton& button, const QStyle& style);

// The caption as shown in `width` (each line cut on its own); the text as it
// is where it fits. '&' marks a mnemonic, as on menus and buttons.
QString cut(const QString& caption, const QFontMetrics& metrics, int width);
bool isCut(const QString& caption, const QFontMetrics& metrics, int width);

// What pointing at a cut command shows: the whole caption (without its
// mnemonic mark), then the command's own tooltip, if it has one.
QString fullText(const QString& caption, const QString& ownToolTip);

} // namespace fitted
