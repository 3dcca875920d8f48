// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Screen.h"

#include "framework/Translator.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/FocusFrame.h"
#include "framework/Speakers.h"
#include "framework/TextSize.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

Screen::Screen(AppContext& app, const QString& designName, double designWidthTwips, double designHeightTwips)
    : app_(app), canvas_(new QWidget(this)),
      spoken_([&app](const QStringList& keys) { return app.strings.getStrings(keys); })
{
    spoken::installRoles();
    setObjectName(designName);
    canvas_->setObjectName(QStringLiteral("canvas"));
    setCentralWidget(canvas_);
    const QSize design = twips::size(designWidthTwips, designHeightTwips);
    canvas_->resize(design);
    resize(design);
    canvas_->installEventFilter(this);
    new FocusFrame(canvas_, [this] { return scale().y(); });
}

Screen::~Screen() = default;

QSize Screen::clientSize() const
{
    return canvas_->size();
}

QSize Screen::displaySize() const
{
    const QScreen* s = screen();
    return s ? s->geometry().size() : QSize(800, 600);
}

QList<QObject*> Screen::controls() const
{
    QList<QObject*> out;
    out.reserve(controls_.size());
    for (const auto& c : controls_)
        if (c)
            out.push_back(c);
    return out;
}

QObject* Screen::findControl(const QString& name, int index) const
{
    for (const auto& c : controls_)
        if (c && c->objectName() == name && control::index(c) == index)
            return c;
    return nullptr;
}

void Screen::registerControl(QObject* c, const QString& name, int index)
{
    control::setIdentity(c, name, index);
    control::showPlainText(c);
    controls_.push_back(c);
    if (scaler_)
        scaler_->add(c);
}

QMenuBar* Screen::designMenuBar()
{
    // Menus in letters a child reads easily, like the rest of the screen.
    QMenuBar* bar = menuBar();
    bar->setFont(designFont(QStringLiteral("Arial"), 12));
    return bar;
}

QAction* Screen::addMenuCommand(const QString& name, const QString& text, int index)
{
    QAction* a = designMenuBar()->addAction(text);
    registerControl(a, name, index);
    return a;
}

QMenu* Screen::addMenu(const QString& name, const QString& text)
{
    QMenu* m = designMenuBar()->addMenu(text);
    m->setFont(menuBar()->font());
    registerControl(m->menuAction(), name);
    return m;
}

QAction* Screen::addMenuItem(QMenu* menu, const QString& name, const QString& text, int index)
{
    QAction* a = menu->addAction(text);
    registerControl(a, name, index);
    return a;
}

// The colour is painted, not put into the canvas palette: a palette of its
// own would pass to every control, and the style's pixmap cache keeps the
// key of every palette it has seen, so each opening would leave memory behind.
void Screen::setBackground(const QColor& colour)
{
    background_ = colour;
    // For the texts on the canvas: ChildStyle draws them in a colour that
    // reads on it (no palette: a value, not a new palette per colour).
    canvas_->setProperty(control::BackgroundProperty, colour);
    canvas_->update();
}

void Screen::randomBackground()
{
    setBackground(randomColour(app_.random));
}

QColor Screen::background() const
{
    return background_.isValid() ? background_ : canvas_->palette().color(QPalette::Window);
}

void Screen::translate()
{
    translateScreen(*this, controls(), app_.strings);
    spoken_.refresh();
}

void Screen::load()
{
    app_.strings.beginScreen();
    beforeTranslate();
    translate();
    scaler_ = std::make_unique<LayoutScaler>();
    scaler_->setSource(canvas_, [this] { return controls(); });
    scaler_->sizeFormToScreen(75);
    onLoad();
    scaleTexts();
    afterRescale();
    placeSpeakers();
}

void Screen::activate()
{
    setGeometry(QRect(QPoint(0, 0), displaySize()));
    // Where a window manager runs, it fits the window and its title bar to
    // the part of the display it leaves free.
    if (app_.maximizedWindows)
        setWindowState(windowState() | Qt::WindowMaximized);
    onActivate();
    scaleTexts();
    afterRescale();
    placeSpeakers();
}

QPointF Screen::scale() const
{
    const QSizeF design = scaler_ ? scaler_->originalSize() : QSizeF();
    if (design.width() <= 0 || design.height() <= 0)
        return {1.0 / twips::PerPixel, 1.0 / twips::PerPixel};
    const QSize client = clientSize();
    return {client.width() / design.width() / twips::PerPixel, client.height() / design.height() / twips::PerPixel};
}

QRect Screen::toPixels(const QRectF& designTwips) const
{
    const QPointF f = scale();
    const QPointF topLeft(designTwips.left() * f.x(), designTwips.top() * f.y());
    const QPointF bottomRight(designTwips.right() * f.x(), designTwips.bottom() * f.y());
    return QRectF(topLeft, bottomRight).toRect();
}

QPoint Screen::toPixels(const QPointF& designTwips) const
{
    const QPointF f = scale();
    return QPointF(designTwips.x() * f.x(), designTwips.y() * f.y()).toPoint();
}

void Screen::rescaled()
{
    scaler_->resizeControls();
    scaleTexts();
    afterRescale();
    placeSpeakers();
}

Speakers& Screen::speakers()
{
    if (!speakers_)
        speakers_ = new Speakers(
            this, canvas_, spoken_, [this] { return scale(); },
            [this](const QString& text) { app_.speech.sayShown(text, app_.state.wordsLanguage()); });
    return *speakers_;
}

void Screen::placeSpeakers()
{
    if (speakers_)
        speakers_->place();
}

double Screen::textScale() const
{
    return app_.state.largeText && scaler_ ? textsize::factorFor(scale()) : 1.0;
}

void Screen::scaleTexts()
{
    const bool on = app_.state.largeText;
    if (!on && !textsScaled_)
        return;  // design fonts, untouched
    textsScaled_ = on;
    textsize::apply(controls(), textScale());
    // The menu bar grows with the window, not the canvas below it, whose
    // height the bar itself changes.
    double bar = 1;
    if (on && scaler_ && scaler_->originalSize().height() > 0)
        bar = std::max(1.0, std::min(width() / scaler_->originalSize().width(),
                                     height() / scaler_->originalSize().height()));
    textsize::applyToMenus(menuWidget(), bar);
}

void Screen::rescaleText()
{
    if (scaler_)
        rescaled();
}

void Screen::closeEvent(QCloseEvent* event)
{
    // A screen is closed only by the navigator, never by the window system:
    // a child's stray click must not end the program without a question.
    event->ignore();
    closeRequested();
}

void Screen::keyPressEvent(QKeyEvent* event)
{
    // A button that does not take Enter itself passes the key up to here.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (enter && !event->isAutoRepeat() && button && button->isEnabled() && button->isVisible()) {
        button->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool Screen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == canvas_ && event->type() == QEvent::Resize && scaler_)
        rescaled();
    // A text changed: fit it again to its box.
    if (watched == canvas_ && event->type() == QEvent::LayoutRequest && textsScaled_)
        textsize::apply(controls(), textScale(), true);
    // A text changed, or a control was shown or hidden: the speakers follow.
    if (watched == canvas_ && event->type() == QEvent::LayoutRequest)
        placeSpeakers();
    if (watched == canvas_ && event->type() == QEvent::Paint) {
        QPainter p(canvas_);
        p.fillRect(static_cast<QPaintEvent*>(event)->rect(), background());
    }
    return QMainWindow::eventFilter(watched, event);
}
