// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Navigator.h"

#include "framework/AppContext.h"
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

Screen* Navigator::createFromDesign(const QString& screenName) const
{
    const auto it = factories_.constFind(screenName);
    return it == factories_.constEnd() ? nullptr : (*it)(app_);
}

Screen* Navigator::open(const QString& screenName)
{
    const auto it = factories_.constFind(screenName);
    if (it == factories_.constEnd())
        return nullptr;
    Screen* next = (*it)(app_);
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
