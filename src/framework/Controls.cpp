// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Controls.h"

#include <QAction>
#include <QApplication>
#include <QIconEngine>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextDocument>

#include <memory>

namespace control {

QString name(const QObject* c)
{
    return c ? c->objectName() : QString();
}

int index(const QObject* c)
{
    const QVariant v = c ? c->property("index") : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

void setIdentity(QObject* c, const QString& n, int i)
{
    c->setObjectName(n);
    if (i >= 0)
        c->setProperty("index", i);
}

void setComputedLayout(QWidget* w, bool computed)
{
    w->setProperty("computedLayout", computed);
}

bool hasComputedLayout(const QObject* c)
{
    return c && c->property("computedLayout").toBool();
}

QString key(const QObject* c)
{
    const int i = index(c);
    return i >= 0 ? QStringLiteral("%1(%2)").arg(name(c)).arg(i) : name(c);
}

std::optional<QString> caption(const QObject* c)
{
    if (auto* l = qobject_cast<const QLabel*>(c))
        return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(c))
        return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(c))
        return g->title();
    if (auto* a = qobject_cast<const QAction*>(c))
        return a->text();
    return std::nullopt;
}

bool setCaption(QObject* c, const QString& text)
{
    if (auto* l = qobject_cast<QLabel*>(c)) {
        l->setTextFormat(Qt::PlainText);
        l->setText(text);
    }
    else if (auto* b = qobject_cast<QAbstractButton*>(c))
        b->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(c))
        g->setTitle(text);
    else if (auto* a = qobject_cast<QAction*>(c))
        a->setText(text);
    else
        return false;
    return true;
}

QString tag(const QObject* c)
{
    return c ? c->property("tag").toString() : QString();
}

void setTag(QObject* c, const QString& t)
{
    c->setProperty("tag", t);
}

QString toolTip(const QObject* c)
{
    if (!c)
        return {};
    const QVariant design = c->property("designToolTip");
    if (design.isValid())
        return design.toString();
    // An action without a tooltip of its own would give its text.
    if (auto* w = qobject_cast<const QWidget*>(c))
        return w->toolTip();
    return {};
}

void setToolTip(QObject* c, const QString& text)
{
    // A tooltip that looks like markup would be read as markup: it is shown
    // escaped instead. QAction falls back to its text when the tooltip is
    // empty; the text as set is kept apart so an empty tooltip stays empty.
    const QString shown = shownToolTip(text);
    if (auto* w = qobject_cast<QWidget*>(c)) {
        c->setProperty("designToolTip", text);
        w->setToolTip(shown);
    } else if (auto* a = qobject_cast<QAction*>(c)) {
        a->setProperty("designToolTip", text);
        a->setToolTip(shown);
    }
}

QString shownToolTip(const QString& text)
{
    // Qt's tooltip takes a text for markup exactly when mightBeRichText says
    // so; such a text is handed over escaped, line breaks kept.
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

void showPlainText(QObject* c)
{
    if (auto* l = qobject_cast<QLabel*>(c))
        l->setTextFormat(Qt::PlainText);
}

void fillBackground(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace control

LineControl::LineControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void LineControl::setEnds(const QLineF& e)
{
    ends_ = e;
    const int pad = thickness_ + (outline_.isValid() ? 1 : 0);
    const QRect box = QRectF(e.p1(), e.p2()).normalized().toAlignedRect().adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QLineF line = ends_.translated(-QPointF(geometry().topLeft()));
    if (outline_.isValid()) {
        p.setPen(QPen(outline_, thickness_ + 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(line);
    }
    p.setPen(QPen(colour_, thickness_, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(line);
}

ShapeControl::ShapeControl(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(border_, 1));
    p.setBrush(fill_);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (kind_) {
    case Kind::Rectangle: p.drawRect(r); break;
    case Kind::RoundedRectangle: p.drawRoundedRect(r, r.width() / 8, r.height() / 8); break;
    case Kind::Ellipse: p.drawEllipse(r); break;
    }
}

PictureBox::PictureBox(const QString& svgResource, QWidget* parent) : QWidget(parent)
{
    setPicture(svgResource);
}

void PictureBox::setPicture(const QString& svgResource)
{
    resource_ = svgResource;
    delete renderer_;
    renderer_ = nullptr;
    if (!svgResource.isEmpty()) {
        renderer_ = new QSvgRenderer(svgResource, this);
        if (!renderer_->isValid()) {
            delete renderer_;
            renderer_ = nullptr;
        }
    }
    update();
}

void PictureBox::setBackground(const QColor& c)
{
    control::fillBackground(this, c);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (!renderer_)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&p, QRectF(rect()));
}

namespace {
// A picture button's SVG drawn as Qt's own SVG icon engine draws it (the
// picture fitted into the size asked for, the style's look for a disabled
// or selected button, the renderings kept in the pixmap cache), without
// that engine's plugin, which is found and loaded at the first SVG icon:
// the start screen's button would wait for it.
class SvgIconEngine final : public QIconEngine
{
public:
    explicit SvgIconEngine(const QString& svgResource) : file_(svgResource) {}

    QIconEngine* clone() const override { return new SvgIconEngine(file_); }
    QString key() const override { return QStringLiteral("svg"); }
    bool isNull() override { return !renderer().isValid(); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QString cacheKey = QStringLiteral("contalandia_svg_icon_%1_%2x%3_%4_%5")
                                     .arg(file_).arg(size.width()).arg(size.height()).arg(int(mode)).arg(int(state));
        QPixmap pm;
        if (QPixmapCache::find(cacheKey, &pm))
            return pm;
        QSvgRenderer& svg = renderer();
        if (!svg.isValid())
            return pm;
        QSize actual = svg.defaultSize();
        if (!actual.isNull())
            actual.scale(size, Qt::KeepAspectRatio);
        if (actual.isEmpty())
            return pm;
        QImage image(actual, QImage::Format_ARGB32_Premultiplied);
        image.fill(0x00000000);
        QPainter p(&image);
        svg.render(&p);
        p.end();
        pm = QPixmap::fromImage(image);
        QStyleOption option(0);
        option.palette = QGuiApplication::palette();
        const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pm, &option);
        if (!generated.isNull())
            pm = generated;
        QPixmapCache::insert(cacheKey, pm);
        return pm;
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        const QPixmap pm = pixmap(size, mode, state);
        return pm.isNull() ? QSize() : pm.size();
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        QSize size = rect.size();
        if (painter->device())
            size *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }

private:
    QSvgRenderer& renderer()
    {
        if (!renderer_)
            renderer_ = std::make_unique<QSvgRenderer>(file_);
        return *renderer_;
    }

    QString file_;
    std::unique_ptr<QSvgRenderer> renderer_;
};

// One icon per picture for the whole run. The icon engine caches its
// renderings under a key of its own; a fresh icon on every opening of a
// screen would leave another set of cache keys behind each time.
QHash<QString, QIcon>& iconCache()
{
    static QHash<QString, QIcon> icons;
    return icons;
}

QIcon sharedIcon(const QString& svgResource)
{
    QHash<QString, QIcon>& icons = iconCache();
    if (icons.isEmpty())
        // Renderings must go before the application does.
        qAddPostRoutine([] { iconCache().clear(); });
    auto it = icons.find(svgResource);
    if (it == icons.end())
        it = icons.insert(svgResource, QIcon(new SvgIconEngine(svgResource)));
    return *it;
}
} // namespace

PictureButton::PictureButton(const QString& caption, const QString& svgResource, QWidget* parent)
    : QPushButton(caption, parent)
{
    setIcon(sharedIcon(svgResource));
}

void PictureButton::resizeEvent(QResizeEvent* e)
{
    QPushButton::resizeEvent(e);
    // Leave room for the caption beside the picture; a picture alone (the
    // speaker buttons) fills its button.
    const int side = text().isEmpty() ? qMax(8, qMin(width(), height()) - 10)
                                      : qMax(8, qMin(height() - 12, width() / 3));
    setIconSize(QSize(side, side));
}

QFont designFont(const QString& family, double points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

namespace {

// Gives its widget the pointer on the mouse's first visit, then goes.
class PointerOnFirstVisit final : public QObject
{
public:
    PointerOnFirstVisit(QWidget* widget, QString svgResource, int size, QPoint hotSpot)
        : QObject(widget), svg_(std::move(svgResource)), size_(size), hotSpot_(hotSpot)
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The pointer is set while the widget is entered: Qt shows the
        // entered widget's pointer right after.
        if (event->type() == QEvent::Enter) {
            watched->removeEventFilter(this);
            static_cast<QWidget*>(watched)->setCursor(svgCursor(svg_, size_, hotSpot_));
            deleteLater();
        }
        return false;
    }

private:
    QString svg_;
    int size_;
    QPoint hotSpot_;
};

} // namespace

void setSvgCursor(QWidget* widget, const QString& svgResource, int size, QPoint hotSpot)
{
    new PointerOnFirstVisit(widget, svgResource, size, hotSpot);
}

QCursor svgCursor(const QString& svgResource, int size, QPoint hotSpot)
{
    // Drawn once for every button that shows it.
    const QString key = QStringLiteral("contalandia-pointer:%1:%2").arg(svgResource).arg(size);
    QPixmap pm;
    if (!QPixmapCache::find(key, &pm)) {
        QSvgRenderer renderer(svgResource);
        if (!renderer.isValid())
            return QCursor(Qt::PointingHandCursor);
        pm = QPixmap(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p);
        p.end();
        QPixmapCache::insert(key, pm);
    }
    return QCursor(pm, hotSpot.x(), hotSpot.y());
}
