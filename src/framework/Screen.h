// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "framework/LayoutScaler.h"
#include "framework/SpokenNames.h"
#include "framework/Twips.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class Speakers;
struct AppContext;

// One screen of the program: a full-display window with a menu bar and a
// canvas on which the design controls stand at their design places.
//
// A screen is built from its design in the constructor (controls placed in
// twips through place(), menus through addMenu...()), then the navigator
// calls, in this order:
//   load()      translation from the language file (after beforeTranslate()),
//               a new layout scaler at 75 % of the display, then onLoad();
//   show;
//   activate()  the whole display, then onActivate().
// Every size change of the canvas rescales the controls, then runs the hook
// afterRescale(): there a screen places again what it lays out itself (a
// text line without gaps, abacus beads, a box beside a label), from its own
// state, with toPixels(). The hook also runs at the end of load() and of
// activate(). A subclass writes only what is its own in the hooks and its
// event handlers.
class Screen : public QMainWindow
{
    Q_OBJECT
public:
    Screen(AppContext& app, const QString& designName, double designWidthTwips, double designHeightTwips);
    ~Screen() override;

    void load();
    void activate();

    AppContext& app() const { return app_; }
    QWidget* canvas() const { return canvas_; }
    QSize clientSize() const;
    QSize displaySize() const;
    LayoutScaler* scaler() const { return scaler_.get(); }

    // The design controls in design order, menus included.
    QList<QObject*> controls() const;
    QObject* findControl(const QString& name, int index = -1) const;
    template <class T>
    T* control(const QString& name, int index = -1) const
    {
        return qobject_cast<T*>(findControl(name, index));
    }

    void setBackground(const QColor& colour);
    QColor background() const;
    // A background drawn from the palette: every menu opening and most new
    // problems take one.
    void randomBackground();

    // Translates the screen again from the current language file; the
    // spoken names follow.
    void translate();

    // The names screen readers say for controls Qt cannot name by their
    // caption (see SpokenNames).
    SpokenNames& spokenNames() { return spoken_; }
    // The speaker buttons beside the lines said aloud (see Speakers), made
    // when first asked for; placed again after every afterRescale().
    Speakers& speakers();
    // Null while the screen has none.
    Speakers* speakersIfAny() const { return speakers_; }

    // A place in design twips, in pixels of the canvas as it is scaled now.
    QRect toPixels(const QRectF& designTwips) const;
    QPoint toPixels(const QPointF& designTwips) const;
    // Pixels per design twip, across and down, as the canvas is scaled now.
    QPointF scale() const;
    // How much the texts grow: with large text on (ProgramState::largeText)
    // the layout's factor (the smaller of across and down, at least 1),
    // else 1. A screen that sizes a font itself multiplies by it.
    double textScale() const;
    // Scales everything again, fonts included: after large text was
    // switched on or off, or controls were placed on a screen on show.
    void rescaleText();

    // Puts a control on the canvas (or inside a container control) at its
    // design place and registers it under its design name.
    template <class W>
    W* place(W* widget, const QString& name, QRect designTwips, int index = -1, QWidget* container = nullptr)
    {
        widget->setParent(container ? container : canvas_);
        widget->setGeometry(designTwips);
        registerControl(widget, name, index);
        return widget;
    }
    void registerControl(QObject* c, const QString& name, int index = -1);

protected:
    static QRect at(double left, double top, double width, double height)
    {
        return twips::rect(left, top, width, height);
    }
    // A command directly on the menu bar.
    QAction* addMenuCommand(const QString& name, const QString& text, int index = -1);
    // A drop-down menu on the menu bar, and an item in it.
    QMenu* addMenu(const QString& name, const QString& text);
    QAction* addMenuItem(QMenu* menu, const QString& name, const QString& text, int index = -1);
    // The menu bar, in the program's menu font.
    QMenuBar* designMenuBar();

    virtual void beforeTranslate() {}
    virtual void onLoad() {}
    virtual void onActivate() {}
    virtual void afterRescale() {}
    // The window system's close command (the title bar's cross, Alt+F4).
    // A screen never closes by it; the menus ask the quit question, the
    // exercise screens the exit question.
    virtual void closeRequested() {}

    void closeEvent(QCloseEvent* event) override;
    // Enter and Return press the push button that has the focus, on every
    // screen, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rescaled();
    void placeSpeakers();
    // The fonts for textScale(): before afterRescale(), so that what a
    // screen places from its texts is placed with them.
    void scaleTexts();

    AppContext& app_;
    QWidget* canvas_;
    QList<QPointer<QObject>> controls_;
    std::unique_ptr<LayoutScaler> scaler_;
    QColor background_;
    SpokenNames spoken_;
    Speakers* speakers_ = nullptr;   // a child of the screen
    bool textsScaled_ = false;  // fonts were changed here: restore them when off
};
