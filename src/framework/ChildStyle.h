// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QProxyStyle>

// The look of the whole program: tick boxes and option dots as large as the
// letters beside them, and their whole box clickable, so a child sees them
// and hits them; the arrows of a scroll bar on a screen as large as a
// fingertip, their signs filling them; captions of menu-bar commands and buttons drawn cut where
// they do not fit, so that no caption pushes a command out of sight
// (framework/FittedCaptions), shown in full when pointed at.
class ChildStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Pixels a child's fingertip covers: the smallest target a finger hits.
    static constexpr int FingerTip = 44;

    ChildStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    // A check box or option button takes a click anywhere in its box, as
    // large as the scaler makes it, not only on its dot and letters.
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget = nullptr) const override;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    // The arrows of a scroll bar on a screen fill their buttons.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    // A text in the colour of the screen's text (a label, a tick box's
    // caption) is drawn in a colour that reads on what lies behind it: the
    // colour the widget or the nearest one below it fills, or the screen's
    // painted background (control::BackgroundProperty).
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

protected:
    // Pointing at a cut caption shows it whole.
    bool eventFilter(QObject* watched, QEvent* event) override;
};
