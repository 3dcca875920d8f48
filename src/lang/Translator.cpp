#include "lang/Translator.h"

#include "lang/IniFile.h"
#include "framework/Controls.h"

#include <QCoreApplication>
#include <QWidget>

void translateScreen(QWidget& screen, const QList<QObject*>& controls, const QString& languageFile)
{
    const QString section = screen.objectName();
    auto read = [&](const QString& key) { return ini::readValue(languageFile, section, key); };

    if (!screen.windowTitle().isEmpty())
        if (const auto title = read(section + QStringLiteral(".Caption")))
            screen.setWindowTitle(*title);
    if (const auto tag = read(section + QStringLiteral(".Tag")))
        control::setTag(&screen, *tag);

    for (QObject* c : controls) {
        const QString key = control::key(c);
        if (control::caption(c)) {
            const auto text = read(key + QStringLiteral(".Caption"));
            if (text && !text->isEmpty())
                control::setCaption(c, *text);
        }
        if (const auto tip = read(key + QStringLiteral(".ToolTipText")); tip && !tip->isEmpty())
            control::setToolTip(c, *tip);
        if (const auto tag = read(key + QStringLiteral(".Tag")); tag && !tag->isEmpty())
            control::setTag(c, *tag);
        // Keep the window painting while a long screen is translated; user
        // input waits, so no handler can run on a half-translated screen.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}
