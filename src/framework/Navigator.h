// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

struct AppContext;
class Screen;

// Opens screens in one fixed way: create the new screen from its design,
// load it, show it, activate it, then close and discard the previous one
// with all its state. Exactly one screen is on show at a time.
class Navigator : public QObject
{
    Q_OBJECT
public:
    // Builds a screen from its design; the variant is the menu's choice
    // among screens of one design (0 where there is no choice).
    using Factory = std::function<Screen*(AppContext&, int variant)>;

    explicit Navigator(AppContext& app) : app_(app) {}
    // Deletes at once every screen it opened that still exists.
    ~Navigator() override;

    void add(const QString& screenName, Factory factory);
    // A screen of one design only.
    void add(const QString& screenName, std::function<Screen*(AppContext&)> factory);
    bool canOpen(const QString& screenName) const { return factories_.contains(screenName); }
    // The registered screens, and one of them built from its design but
    // neither loaded nor shown (nullptr for a name not registered): what a
    // check over every screen's design texts needs.
    QStringList screenNames() const { return factories_.keys(); }
    Screen* createFromDesign(const QString& screenName, int variant = 0) const;

    // Opens the named screen and discards the current one; nullptr (and
    // nothing changes) for a screen the program does not have.
    Screen* open(const QString& screenName, int variant = 0);
    Screen* current() const;
    // Closes the screen on show without running any of its handlers.
    void closeAll();

signals:
    void opened(Screen* screen);

private:
    // Hides a screen and deletes it once the events under way are handled,
    // or when the navigator goes, whichever comes first.
    void discard(Screen* screen);

    AppContext& app_;
    QHash<QString, Factory> factories_;
    QPointer<Screen> current_;
    QList<QPointer<Screen>> discarded_;
};
