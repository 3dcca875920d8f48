// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

#include <functional>

// The PIN that keeps the results screen from children. It is kept only as
// "pbkdf2-sha256$<iterations>$<salt>$<key>" (salt and key in base64): a
// fresh random salt for every PIN and PBKDF2 with HMAC-SHA-256, a slow key
// derivation, so that a copied settings table does not give the PIN away.
namespace pin {

constexpr int defaultIterations = 200000;
constexpr int minimumLength = 4;
constexpr int maximumLength = 32;

// The key derivation itself: `length` bytes of PBKDF2-HMAC-SHA-256 (empty
// for no iterations or no length).
QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations, int length);
// Whether the text may be a PIN (4 to 32 characters, no blanks at the ends).
bool acceptable(const QString& pin);
QString hash(const QString& pin, int iterations = defaultIterations);
// False for a wrong PIN and for a stored text that is not a hash of this form.
bool verify(const QString& pin, const QString& stored);
// The iterations a stored hash was made with (0 for no hash of this form):
// one made with fewer than defaultIterations is made again at the next
// right entry.
int iterationsOf(const QString& stored);

} // namespace pin

// Five wrong tries in a row make the next try wait a minute; a right one
// starts the count again. Time comes from the function given (seconds of
// the program's clock); the results store keeps the count and the wait
// across runs (restore(), onChange()).
class PinGate
{
public:
    static constexpr int triesBeforeWait = 5;
    static constexpr double waitSeconds = 60.0;

    explicit PinGate(std::function<double()> now) : now_(std::move(now)) {}

    enum class Outcome { Right, Wrong, Waiting };
    Outcome attempt(const QString& typed, const QString& stored);
    // A try in two halves, for a check made elsewhere (PinWork): whether a
    // try is heard now, then its judgement counted as attempt() counts it.
    bool canTry() const { return secondsToWait() <= 0; }
    Outcome settle(bool right);
    // Seconds until a try is heard again; 0 when it is now.
    double secondsToWait() const;

    // The count and the wait as kept from an earlier run (a wait longer
    // than the gate's own is cut to it: a clock put back gains nothing).
    void restore(int wrong, double secondsLeft);
    // Told after every settled try: the wrong tries counted and the seconds
    // to wait, to be kept for the next run.
    void onChange(std::function<void(int wrong, double secondsLeft)> changed) { changed_ = std::move(changed); }

private:
    std::function<double()> now_;
    std::function<void(int, double)> changed_;
    int wrong_ = 0;
    double waitUntil_ = -1.0;
};
