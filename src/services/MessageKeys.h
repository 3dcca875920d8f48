// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// The message keys the program reads from section "Strings".
namespace msg {
inline const QString NumberWordsLanguage = QStringLiteral("0000");
inline const QString HundredsLabel = QStringLiteral("0001");
inline const QString TensLabel = QStringLiteral("0002");
inline const QString UnitsLabel = QStringLiteral("0003");
inline const QString LoneUnitsLabel = QStringLiteral("0004");
inline const QString LoneTensLabel = QStringLiteral("0005");
inline const QString LoneHundredsLabel = QStringLiteral("0006");
inline const QString ExitQuestion = QStringLiteral("0007");
inline const QString RightLabel = QStringLiteral("0008");
inline const QString WrongLabel = QStringLiteral("0009");
inline const QString InformationMenu = QStringLiteral("0010");
inline const QString ResetMenu = QStringLiteral("0011");
inline const QString NextButton = QStringLiteral("0012");
inline const QString ExitMenu = QStringLiteral("0013");
inline const QString QuitQuestion = QStringLiteral("0014");
inline const QString OrderTitleOnOpen = QStringLiteral("0015");
inline const QString OrderTitleDescending = QStringLiteral("0016");
inline const QString OrderTitleAscending = QStringLiteral("0017");
// What screen readers say for controls that show a picture, a sign or a
// value (see framework/SpokenNames.h); "%1" stands for what they show.
inline const QString YesFaceName = QStringLiteral("0200");
inline const QString NoFaceName = QStringLiteral("0201");
inline const QString RightCountName = QStringLiteral("0202");   // "%1": the count
inline const QString WrongCountName = QStringLiteral("0203");   // "%1": the count
inline const QString ScoreBoxName = QStringLiteral("0204");
inline const QString GreaterThanName = QStringLiteral("0205");
inline const QString LessThanName = QStringLiteral("0206");
inline const QString EqualToName = QStringLiteral("0207");
inline const QString PlacedNumberName = QStringLiteral("0208");
inline const QString SpokenNameKeys[] = {YesFaceName,    NoFaceName,   RightCountName,
                                         WrongCountName, ScoreBoxName, GreaterThanName,
                                         LessThanName,   EqualToName,  PlacedNumberName};
// The speaker buttons, as a screen reader names them: one beside an
// instruction, one beside a number in words.
inline const QString SpeakInstructionName = QStringLiteral("0220");
inline const QString SpeakNumberName = QStringLiteral("0221");
inline const QString SpeakerNames[] = {SpeakInstructionName, SpeakNumberName};
// The words of the message-box buttons.
inline const QString YesButton = QStringLiteral("0240");
inline const QString NoButton = QStringLiteral("0241");
inline const QString OkButton = QStringLiteral("0242");
inline const QString DialogButtons[] = {YesButton, NoButton, OkButton};
// Hints of the column screens: HintFirst .. HintLast.
inline constexpr int HintFirst = 64;
inline constexpr int HintLast = 127;
QString hintKey(int number);  // 64 -> "0064"
// The hint line of a column screen once its problem is solved.
inline const QString ColumnSolvedHint = QStringLiteral("0600");
// What the controls of the column screens say they hold (column names, digit
// labels, cells, answer boxes, exchange marks, the drawn bar and signs):
// ColumnNamesFirst .. ColumnNamesLast.
inline constexpr int ColumnNamesFirst = 260;
inline constexpr int ColumnNamesLast = 273;
// What the cells of the hundred tables and the squares say to a screen
// reader: TableNamesFirst .. TableNamesLast.
inline const QString EmptyCell = QStringLiteral("0400");
inline const QString MarkedCell = QStringLiteral("0401");
inline const QString BlankSquare = QStringLiteral("0402");
inline const QString TenSquare = QStringLiteral("0403");
inline const QString UnitSquare = QStringLiteral("0404");
inline const QString BlankHundred = QStringLiteral("0405");
inline const QString GreenHundred = QStringLiteral("0406");
inline const QString HundredScrollBar = QStringLiteral("0407");
inline constexpr int TableNamesFirst = 400;
inline constexpr int TableNamesLast = 407;
// What a block drawing shows, for each kind (flats, longs, units) a text
// for one block and one for any other count: BlockWordsFirst .. + 5.
inline constexpr int BlockWordsFirst = 350;
QString blockWordsKey(int kind, bool many);  // kind 0..2 -> "0350".."0355"
// Number lines: what the line and its ticks say to a screen reader.
inline const QString NumberLineName = QStringLiteral("0380");       // %1 first, %2 last number
inline const QString NumberLineAskedTick = QStringLiteral("0381");  // also the answer box
inline const QString NumberLinePlainTick = QStringLiteral("0382");
inline const QString NumberLineTickValue = QStringLiteral("0383");  // %1 the tick's number
inline const QString NumberLineTexts[] = {NumberLineName, NumberLineAskedTick, NumberLinePlainTick,
                                          NumberLineTickValue};
inline const QString InformationLines[] = {QStringLiteral("9996"), QStringLiteral("9997"),
                                           QStringLiteral("9998"), QStringLiteral("9999")};
} // namespace msg
