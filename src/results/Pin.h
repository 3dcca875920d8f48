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

} // namespace pin

// Five wrong tries in a row make the next try wait a minute; a right one
// starts the count again. Time comes from the function given (seconds of
// the program's clock).
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

private:
    std::function<double()> now_;
    int wrong_ = 0;
    double waitUntil_ = -1.0;
};
