// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/frame/MaxNumberChoice.h"

#include "framework/Screen.h"
#include "framework/Twips.h"

MaxNumberChoice::MaxNumberChoice(Screen& screen, Kind kind, std::function<void()> hideDrawing)
    : OptionChoice(screen, QStringLiteral("CorniceNumeroMassimo"),
                   QStringLiteral("Scegli il numero massimo entro il quale lavorare"),
                   // The choice covers the screen; on screens smaller than its
                   // design size it takes the whole client area instead of
                   // running off its edges.
                   twips::rect(0, 0, qMin(11355.0, screen.clientSize().width() * twips::PerPixel),
                               qMin(7890.0, screen.clientSize().height() * twips::PerPixel))),
      kind_(kind), hideDrawing_(std::move(hideDrawing))
{
    const QSize client = screen.clientSize();
    const double w = qMin(11355.0, client.width() * twips::PerPixel);
    const double h = qMin(7890.0, client.height() * twips::PerPixel);
    const double columnWidth = (w - 600) / 3;
    const double rowHeight = (h - 1200) / 3;
    for (int i = 0; i < Options; ++i)
        addOption(QStringLiteral("OpzioneNumeroMassimo"), QString::number(maxNumberOf(i)),
                  twips::rect(480 + (i / 3) * columnWidth, 840 + (i % 3) * rowHeight, columnWidth - 120,
                              qMin(735.0, rowHeight - 60)));
}

void MaxNumberChoice::open()
{
    if (kind_ == Kind::Blocks && hideDrawing_)
        hideDrawing_();
    OptionChoice::open(kind_ == Kind::Full ? Cover::Whole : Cover::Corner);
}
