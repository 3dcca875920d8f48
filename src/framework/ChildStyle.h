#pragma once
#include <QProxyStyle>

// The look of the whole program: tick boxes and option dots as large as the
// letters beside them, so a child sees them and hits them.
class ChildStyle : public QProxyStyle
{
    Q_OBJECT
public:
    ChildStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};
