// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/PinWork.h"

#include "results/Pin.h"

#include <QThread>

PinWork::PinWork(QObject* parent) : QObject(parent) {}

PinWork::~PinWork()
{
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

bool PinWork::check(const QString& typed, const QString& stored)
{
    return start([this, typed, stored] { right_ = pin::verify(typed, stored); },
                 [this] { emit checked(right_); });
}

bool PinWork::hash(const QString& pin)
{
    return start([this, pin] { hash_ = pin::hash(pin); }, [this] { emit hashed(hash_); });
}

bool PinWork::start(std::function<void()> work, std::function<void()> done)
{
    if (thread_)
        return false;
    thread_ = QThread::create(std::move(work));
    // finished comes from the work's thread: queued to this object's, after
    // the work's writes, which the thread's end makes visible here.
    connect(thread_, &QThread::finished, this, [this, done = std::move(done)] {
        const std::function<void()> finish = done;
        thread_->wait();
        delete thread_;
        thread_ = nullptr;
        finish();
    });
    thread_->start();
    return true;
}
