// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Navigator.h"

#include "framework/Screen.h"

Navigator::~Navigator()
{
    // The screens go now, while the program context they use still exists;
    // a deferred delete would run them against a context already gone.
    closeAll();
    for (const QPointer<Screen>& s : std::as_const(discarded_))
        delete s.data();
    discarded_.clear();
}

void Navigator::discard(Screen* screen)
{
    screen->hide();
    screen->deleteLater();
    discarded_.removeAll(nullptr);
    discarded_.push_back(screen);
}

Screen* Navigator::current() const
{
    return current_;
}

void Navigator::add(const QString& screenName, Factory factory)
{
    factories_.insert(screenName, std::move(factory));
}

void Navigator::add(const QString& screenName, std::function<Screen*(AppContext&)> factory)
{
    add(screenName, [factory = std::move(factory)](AppContext& app, int) { return factory(app); });
}

Screen* Navigator::createFromDesign(const QString& screenName, int variant) const
{
    const auto it = factories_.constFind(screenName);
    return it == factories_.constEnd() ? nullptr : (*it)(app_, variant);
}

Screen* Navigator::open(const QString& screenName, int variant)
{
    Screen* next = createFromDesign(screenName, variant);
    if (!next)
        return nullptr;
    next->setAttribute(Qt::WA_DeleteOnClose, false);
    next->load();
    next->show();
    next->activate();

    QPointer<Screen> previous = current_;
    current_ = next;
    // The previous screen may be running the very handler that opened this
    // one: discard it once that handler has returned.
    if (previous)
        discard(previous);
    emit opened(next);
    return next;
}

void Navigator::closeAll()
{
    if (current_) {
        Screen* s = current_;
        current_ = nullptr;
        discard(s);
    }
}
