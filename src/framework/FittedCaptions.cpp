// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/FittedCaptions.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace fitted {

int commonCap(const std::vector<int>& widths, int available, int least)
{
    std::vector<int> sorted = widths;
    std::sort(sorted.begin(), sorted.end());
    long long total = 0;
    for (const int w : sorted)
        total += w;
    if (total <= available)
        return NoCap;
    // The narrow ones keep their width while the rest share what is left.
    long long left = std::max(0, available);
    const int n = int(sorted.size());
    for (int i = 0; i < n; ++i) {
        const long long share = left / (n - i);
        if (sorted[i] > share)
            return std::max(least, int(share));
        left -= sorted[i];
    }
    return NoCap;
}

namespace {

int naturalWidth(const QFontMetrics& metrics, const QString& text)
{
    return metrics.size(Qt::TextShowMnemonic, text).width();
}

} // namespace

int menuBarCap(const QMenuBar& bar, const QStyle& base)
{
    const QFontMetrics metrics = bar.fontMetrics();
    std::vector<int> widths;
    int padding = 0;
    for (QAction* a : bar.actions()) {
        if (!a->isVisible() || a->isSeparator())
            continue;
        widths.push_back(naturalWidth(metrics, a->text()));
        // What the style adds around each caption.
        QStyleOptionMenuItem option;
        option.initFrom(&bar);
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.text = a->text();
        const QSize probe(100, metrics.height());
        padding += base.sizeFromContents(QStyle::CT_MenuBarItem, &option, probe, &bar).width() - probe.width();
    }
    if (widths.empty())
        return NoCap;
    const int n = int(widths.size());
    const int frame = base.pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, &bar);
    const int margin = base.pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, &bar);
    const int spacing = base.pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, &bar);
    // A few pixels to spare, for the bar's own rounding.
    const int available = bar.width() - 2 * frame - 2 * margin - (n + 1) * spacing - padding - 2 * n - 4;
    return commonCap(widths, available, metrics.horizontalAdvance(QChar(0x2026)));
}

int buttonTextRoom(const QPushButton& button, const QStyle& style)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    int room = style.subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
    if (!button.icon().isNull())
        room -= button.iconSize().width() + 4;
    // The label's own margins.
    return std::max(0, room - 4);
}

QString cut(const QString& caption, const QFontMetrics& metrics, int width)
{
    if (width == NoCap || !isCut(caption, metrics, width))
        return caption;
    QStringList lines = caption.split(u'\n');
    for (QString& line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, width, Qt::TextShowMnemonic);
    return lines.join(u'\n');
}

bool isCut(const QString& caption, const QFontMetrics& metrics, int width)
{
    if (width == NoCap)
        return false;
    const QStringList lines = caption.split(u'\n');
    return std::any_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return naturalWidth(metrics, line) > width; });
}

QString fullText(const QString& caption, const QString& ownToolTip)
{
    QString whole = caption;
    // "&&" is a shown "&"; a single "&" marks the mnemonic.
    whole.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    whole.remove(u'&');
    whole.replace(QChar(0x01), u'&');
    return ownToolTip.isEmpty() ? whole : whole + u'\n' + ownToolTip;
}

} // namespace fitted
