// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Translator.h"

#include "lang/LanguageFiles.h"
#include "framework/Controls.h"

#include <QWidget>

// The screen's section is read once, for every key at a time, and the texts
// are put in place without giving other events a turn: no handler can run
// on a half-translated screen, and a screen of a hundred cells costs one
// reading of the file.
void translateScreen(QWidget& screen, const QList<QObject*>& controls, LanguageFiles& files)
{
    const QString section = screen.objectName();
    enum What { Caption, ToolTip, Tag };
    struct Lookup
    {
        QObject* control;  // nullptr: the screen itself
        What what;
    };
    QStringList keys;
    std::vector<Lookup> lookups;
    auto ask = [&](QObject* c, const QString& name, What what, const char* suffix) {
        keys << name + QLatin1String(suffix);
        lookups.push_back({c, what});
    };
    if (!screen.windowTitle().isEmpty())
        ask(nullptr, section, Caption, ".Caption");
    ask(nullptr, section, Tag, ".Tag");
    for (QObject* c : controls) {
        const QString key = control::key(c);
        if (control::caption(c))
            ask(c, key, Caption, ".Caption");
        ask(c, key, ToolTip, ".ToolTipText");
        ask(c, key, Tag, ".Tag");
    }

    const auto values = files.screenTexts(section, keys);
    for (size_t i = 0; i < lookups.size(); ++i) {
        const auto& value = values[i];
        if (!value)
            continue;
        const Lookup& l = lookups[i];
        if (!l.control) {
            // The screen's title follows the file even where it is empty.
            if (l.what == Caption)
                screen.setWindowTitle(*value);
            else
                control::setTag(&screen, *value);
            continue;
        }
        if (value->isEmpty())
            continue;
        if (l.what == Caption)
            control::setCaption(l.control, *value);
        else if (l.what == ToolTip)
            control::setToolTip(l.control, *value);
        else
            control::setTag(l.control, *value);
    }
}
