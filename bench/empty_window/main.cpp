// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the program's start: an empty Qt Widgets window of the
// same kind as the program's first screen (a main window over the whole
// display, maximised, titled "Contalandia"), and nothing else.
// bench/first_window.sh starts it and the program in turns.
//
// With --text it shows one line of text in its middle: the least a window
// with text costs (the font configuration read, a font loaded, the text
// shaped and drawn), the second yardstick.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Contalandia"));
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* text = new QLabel(QStringLiteral("Contalandia"));
        text->setAlignment(Qt::AlignCenter);
        window.setCentralWidget(text);
    } else {
        window.setCentralWidget(new QWidget);
    }
    window.show();
    window.setGeometry(QRect(QPoint(0, 0), window.screen()->geometry().size()));
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return QApplication::exec();
}
