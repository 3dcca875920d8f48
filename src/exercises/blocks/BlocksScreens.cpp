// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/blocks/BlocksScreens.h"

#include "exercises/blocks/BlocksBuildScreen.h"
#include "exercises/blocks/BlocksReadScreen.h"
#include "framework/Navigator.h"
#include "lang/LanguageFiles.h"

namespace {

FrameSetup readFrame(QPointF boxAt, QRectF nextAt, FrameSetup::When chooseAllNumbers)
{
    FrameSetup s;
    s.menu = QStringLiteral("FormMenuGrafici");
    s.box = FrameSetup::Box::Tall;
    s.boxAt = boxAt;
    s.nextAt = nextAt;
    s.nextShown = FrameSetup::When::AtActivation;
    s.maxChoice = FrameSetup::MaxChoice::Blocks;
    s.maxCommandName = QStringLiteral("MenuNumeroMassimo");
    s.maxCommandText = QStringLiteral("Scegli il numero massimo");
    s.selectMaxOption8 = chooseAllNumbers;
    return s;
}

} // namespace

const BlocksReadVariant& readDigitsVariant()
{
    static const BlocksReadVariant v{
        QStringLiteral("Form999y"),
        QStringLiteral("Dal disegno al numero"),
        QStringLiteral("Scrivi il numero in cifre"),
        BlocksReadVariant::Answer::Digits,
        QRectF(3720, 4200, 3105, 1140),
        24,
        QPointF(4080, 3930),
        QSizeF(4200, 270),
        &blockLayouts::readDigits,
        readFrame({6840, 360}, {7080, 4320, 2040, 1020}, FrameSetup::When::AtLoad),
    };
    return v;
}

const BlocksReadVariant& readWordsVariant()
{
    static const BlocksReadVariant v{
        QStringLiteral("Form999z"),
        QStringLiteral("Dal disegno alla parola"),
        QStringLiteral("Scrivi il numero in parola"),
        BlocksReadVariant::Answer::Words,
        QRectF(3675, 4440, 5040, 1140),
        14.25,
        QPointF(3990, 4200),
        QSizeF(4500, 240),
        &blockLayouts::readWords,
        readFrame({6840, 240}, {6960, 2760, 2040, 1020}, FrameSetup::When::AtActivation),
    };
    return v;
}

BlockWords blockWordsFrom(LanguageFiles& strings)
{
    QStringList keys;
    for (int kind = 0; kind < 3; ++kind)
        keys << msg::blockWordsKey(kind, false) << msg::blockWordsKey(kind, true);
    // One reading of the file for the six texts.
    const QStringList texts = strings.getStrings(keys);
    BlockWords w;
    for (int kind = 0; kind < 3 && 2 * kind + 1 < texts.size(); ++kind) {
        w.one[kind] = texts.at(2 * kind);
        w.many[kind] = texts.at(2 * kind + 1);
    }
    return w;
}

void registerBlocksScreens(Navigator& navigator)
{
    navigator.add(QStringLiteral("Form999x"), [](AppContext& app) -> Screen* { return new BlocksBuildScreen(app); });
    for (const BlocksReadVariant* v : {&readDigitsVariant(), &readWordsVariant()})
        navigator.add(v->designName, [v](AppContext& app) -> Screen* { return new BlocksReadScreen(app, *v); });
}
