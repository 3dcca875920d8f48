// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/ScreenCatalog.h"
#include "services/Feedback.h"
#include "services/QtDaysChart.h"
#include "framework/AppContext.h"
#include "framework/Controls.h"
#include "framework/DragDrop.h"
#include "framework/Screen.h"
#include "support/Fakes.h"
#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/ScriptedRandom.h"
#include "results/ResultsStore.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// The whole program, wired to scripted services, for screen tests.
//
//   TestApp t;                              // every screen of the catalogue registered
//   t.random.push({0.5, 0.25});             // the fractions the screens will draw
//   t.writeLanguage("Italiano", "[Strings]\n0008=\"Esatti\"\n");
//   t.writeSettings("Italiano");
//   t.open("FormMenu");                     // create, load, show, activate
//   t.click("Command3");                    // a real mouse click on the real widget
//   EXPECT_EQ(t.current()->objectName(), "FormMenuNumeri");
//
// What the fixture holds:
// - random: ScriptedRandom. It is strict: a draw the test did not script is
//   a test failure. Screens draw a background colour when they load (menus)
//   or pose a problem; a test that does not follow every draw calls
//   random.setFallback(f) first.
// - player (RecordingPlayer), dialogs (ScriptedDialogs: push answers for
//   Yes/No questions into dialogs.answers; every box shown is recorded in
//   dialogs.shown), clock (FakeClock: timed steps wait until the test calls
//   clock.advance(seconds)).
// - folder: a fresh temporary program folder (language files, settings,
//   sounds); it starts empty, so by default no language file exists. As in
//   the program, the current language is known only after the first message
//   lookup (start-up does one): useLanguage() writes a language and makes
//   it current.
// - app: the AppContext every screen is given; app.state is ProgramState.
//   quitProgram is replaced by a counter (quits).
//
// Screens are shown as plain windows of the (offscreen) display's size.
// Every helper that can open or close a screen flushes the deferred deletes
// afterwards, so exactly one screen exists when it returns.
class TestApp
{
public:
    ScriptedRandom random;
    RecordingPlayer player;
    RecordingVoice voice;
    ScriptedDialogs dialogs;
    FakeClock clock;
    QTemporaryDir folder;
    AppContext app;
    int quits = 0;

    // Catalogue: every screen of the program registered; None: none, the
    // test adds what it needs (app.navigator.add, registerStub).
    enum class Screens { Catalogue, None };
    explicit TestApp(Screens screens = Screens::Catalogue) : app(random, player, dialogs, clock, folder.path())
    {
        app.quitProgram = [this] { ++quits; };
        app.speech.useVoice(&voice);
        app.makeDaysChart = [] { return new QtDaysChart; };
        if (screens == Screens::Catalogue)
            registerScreens(app.navigator);
    }
    ~TestApp()
    {
        app.navigator.closeAll();
        flush();
        app.results = nullptr;
    }
    TestApp(const TestApp&) = delete;
    TestApp& operator=(const TestApp&) = delete;

    // --- results ----------------------------------------------------------
    // A results store on a file in the test's folder, for the screens to
    // record into; made on first use (most tests keep no results).
    std::unique_ptr<ResultsStore> results;
    ResultsStore& useResults(const QString& computerUser = QStringLiteral("Maria Rossi"))
    {
        if (!results) {
            ResultsStore::Setup s;
            s.config.localPath = path(QStringLiteral("results/results.sqlite"));
            s.computer = QStringLiteral("pc1");
            s.computerUser = computerUser;
            s.now = [this] { return clock.now; };
            s.retryMinMs = 50;
            s.retryMaxMs = 400;
            s.busyMs = 200;
            results = std::make_unique<ResultsStore>(s);
            app.results = results.get();
        }
        return *results;
    }

    // --- the program folder -------------------------------------------
    QString path(const QString& fileName) const { return QDir(folder.path()).filePath(fileName); }
    void writeFile(const QString& fileName, const QByteArray& bytes) const
    {
        testfiles::writeBytes(path(fileName), bytes);
    }
    QByteArray readFile(const QString& fileName) const
    {
        return QFile::exists(path(fileName)) ? testfiles::readBytes(path(fileName)) : QByteArray();
    }
    // "<baseName>.lng" with the given INI text (stored as UTF-8).
    void writeLanguage(const QString& baseName, const QString& iniText) const
    {
        writeFile(baseName + QStringLiteral(".lng"), iniText.toUtf8());
    }
    // LangSetting.ini naming the current language.
    void writeSettings(const QString& language) const
    {
        writeFile(QStringLiteral("LangSetting.ini"),
                  QStringLiteral("[Language]\r\nCurrentLanguage=%1\r\n").arg(language).toUtf8());
    }

    // Writes "<baseName>.lng" and a settings file naming it, then makes it
    // the current language the way start-up does: by a first message lookup.
    void useLanguage(const QString& baseName, const QString& iniText)
    {
        writeLanguage(baseName, iniText);
        writeSettings(baseName);
        app.strings.getString(QStringLiteral("0000"));
    }

    // --- screens ----------------------------------------------------------
    // A screen with nothing on it under the given design name: stands in for
    // a screen a test does not want to build (a menu's target, say).
    void registerStub(const QString& screenName, double widthTwips = 9000, double heightTwips = 6000)
    {
        app.navigator.add(screenName, [=](AppContext& a) {
            return new Screen(a, screenName, widthTwips, heightTwips);
        });
    }
    // Opens a screen through the navigator, as the program does; the
    // variant is a menu's choice among screens of one design (the modes of
    // the written-number screen).
    Screen* open(const QString& screenName, int variant = 0)
    {
        Screen* s = app.navigator.open(screenName, variant);
        flush();
        return s;
    }
    Screen* current() const { return app.navigator.current(); }
    QString currentName() const { return current() ? current()->objectName() : QString(); }

    // A control of the screen on show by design name (and array index).
    template <class T = QWidget>
    T* find(const QString& name, int index = -1) const
    {
        return current() ? current()->control<T>(name, index) : nullptr;
    }

    // --- the child's hands ----------------------------------------------
    // A left click on the named widget: in the middle, or on the box of a
    // check box or option button. A disabled widget ignores it, as it would.
    void click(const QString& name, int index = -1)
    {
        QWidget* w = find<QWidget>(name, index);
        if (!w) {
            ADD_FAILURE() << "no control " << name.toStdString() << "(" << index << ") on "
                          << currentName().toStdString();
            return;
        }
        QPoint at = w->rect().center();
        if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
            at = QPoint(qMin(8, w->width() / 2), w->height() / 2);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
        flush();
    }
    // Chooses a menu command or menu item.
    void trigger(const QString& name, int index = -1)
    {
        QAction* a = find<QAction>(name, index);
        if (!a) {
            ADD_FAILURE() << "no menu " << name.toStdString() << "(" << index << ") on "
                          << currentName().toStdString();
            return;
        }
        a->trigger();
        flush();
    }
    // Types text into the named widget, which takes the focus first.
    void type(const QString& name, const QString& text, int index = -1)
    {
        QWidget* w = find<QWidget>(name, index);
        if (!w) {
            ADD_FAILURE() << "no control " << name.toStdString();
            return;
        }
        w->setFocus();
        QTest::keyClicks(w, text);
        flush();
    }
    // Types text into the named widget key by key as a keyboard sends it,
    // each key with its text: QTest's own typing knows only ASCII, and
    // umlauts, ß and accented letters must reach the key filters too.
    void typeKeys(const QString& name, const QString& text, int index = -1)
    {
        QWidget* w = find<QWidget>(name, index);
        if (!w) {
            ADD_FAILURE() << "no control " << name.toStdString();
            return;
        }
        w->setFocus();
        for (QChar ch : text) {
            if (ch.unicode() < 128) {
                QTest::keyClick(w, ch.toLatin1());
            } else {
                const auto key = static_cast<Qt::Key>(ch.toUpper().unicode());
                QTest::sendKeyEvent(QTest::Press, w, key, QString(ch), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, w, key, QString(ch), Qt::NoModifier);
            }
        }
        flush();
    }
    // Presses and releases one key over the named widget.
    void key(const QString& name, Qt::Key k, int index = -1)
    {
        QWidget* w = find<QWidget>(name, index);
        if (!w) {
            ADD_FAILURE() << "no control " << name.toStdString();
            return;
        }
        w->setFocus();
        QTest::keyClick(w, k);
        flush();
    }

    // A key pressed and released as the keyboard sends it: to the window of
    // the screen on show, which hands it to the control with the focus, or
    // takes it itself when none has it (shortcuts first, as on a display).
    void press(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        if (!current() || !current()->windowHandle()) {
            ADD_FAILURE() << "no window to type into";
            return;
        }
        // Keys go to the active window, shortcuts too: a screen just opened
        // becomes active once the display has said so.
        if (!current()->isActiveWindow() && !QTest::qWaitForWindowActive(current()))
            ADD_FAILURE() << "the screen never became active";
        QTest::keyClick(current()->windowHandle(), k, modifiers);
        flush();
    }
    // Characters typed on the keyboard (ASCII), each as press() sends it.
    void pressKeys(const QString& text)
    {
        for (QChar ch : text) {
            if (!current() || !current()->windowHandle()) {
                ADD_FAILURE() << "no window to type into";
                return;
            }
            if (!current()->isActiveWindow() && !QTest::qWaitForWindowActive(current()))
                ADD_FAILURE() << "the screen never became active";
            QTest::keyClick(current()->windowHandle(), ch.toLatin1());
            flush();
        }
    }
    QWidget* focused() const { return QApplication::focusWidget(); }

    // Resizes the screen on show, as the window system does when it
    // maximises a window after activation; the screen rescales.
    void resize(QSize size)
    {
        if (Screen* s = current()) {
            s->resize(size);
            QCoreApplication::sendPostedEvents();
            flush();
        }
    }
    // A real drop of one control onto another, as at the end of a drag
    // (a drag itself cannot run offscreen): the target is entered, then
    // dropped on; the drop is applied once the events are over.
    // True when the target took the drop.
    bool drop(const QString& sourceName, int sourceIndex, const QString& targetName, int targetIndex = -1)
    {
        QWidget* source = find<QWidget>(sourceName, sourceIndex);
        QWidget* target = find<QWidget>(targetName, targetIndex);
        if (!source || !target) {
            ADD_FAILURE() << "no control for the drop " << sourceName.toStdString() << " -> " << targetName.toStdString();
            return false;
        }
        QMimeData data;
        data.setData(DragDrop::MimeType,
                     QStringLiteral("%1\n%2").arg(sourceName).arg(sourceIndex).toUtf8());
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropped);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        flush();
        return dropped.isAccepted();
    }

    // Discards the screens the navigator closed.
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // How many screens exist (shown or not).
    static int screenCount()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<Screen*>(w) != nullptr;
        return n;
    }

    // The colour randomColour() gives for a fraction.
    static QColor colourFor(double fraction)
    {
        ScriptedRandom r{fraction};
        return randomColour(r);
    }
};
