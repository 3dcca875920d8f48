// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Pin.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QStringList>

namespace pin {

// PBKDF2 (RFC 8018) with HMAC-SHA-256: each block of 32 bytes of the key is
// U1 ^ U2 ^ ... ^ Uc, where U1 = HMAC(password, salt + the block's number
// in four bytes, big-endian) and every next U is the HMAC of the one before.
QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations, int length)
{
    QByteArray key;
    if (iterations < 1 || length < 1)
        return key;
    key.reserve(length);
    QMessageAuthenticationCode hmac(QCryptographicHash::Sha256, password);
    for (quint32 block = 1; key.size() < length; ++block) {
        const char number[4] = {char(block >> 24), char(block >> 16), char(block >> 8), char(block)};
        hmac.reset();
        hmac.addData(salt);
        hmac.addData(number, 4);
        QByteArray u = hmac.result();
        QByteArray sum = u;
        char* const out = sum.data();
        for (int i = 1; i < iterations; ++i) {
            hmac.reset();
            hmac.addData(u);
            u = hmac.result();
            const char* const next = u.constData();
            for (qsizetype j = 0; j < sum.size(); ++j)
                out[j] = char(out[j] ^ next[j]);
        }
        key += sum;
    }
    key.truncate(length);
    return key;
}

namespace {

constexpr int keyLength = 32;
constexpr int saltLength = 16;

QByteArray derive(const QString& pin, const QByteArray& salt, int iterations)
{
    return pbkdf2Sha256(pin.toUtf8(), salt, iterations, keyLength);
}

// Compares in time that does not depend on where the keys differ.
bool sameKey(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

} // namespace

bool acceptable(const QString& pin)
{
    return pin.size() >= minimumLength && pin.size() <= maximumLength && pin.trimmed() == pin;
}

QString hash(const QString& pin, int iterations)
{
    QByteArray salt(saltLength, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), saltLength / 4);
    return QStringLiteral("pbkdf2-sha256$%1$%2$%3")
        .arg(iterations)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(derive(pin, salt, iterations).toBase64()));
}

int iterationsOf(const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    return parts.size() == 4 && parts[0] == QLatin1String("pbkdf2-sha256") ? parts[1].toInt() : 0;
}

bool verify(const QString& pin, const QString& stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != QLatin1String("pbkdf2-sha256"))
        return false;
    bool ok = false;
    const int iterations = parts[1].toInt(&ok);
    if (!ok || iterations < 1 || iterations > 10'000'000)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray key = QByteArray::fromBase64(parts[3].toLatin1());
    if (salt.isEmpty() || key.size() != keyLength)
        return false;
    return sameKey(derive(pin, salt, iterations), key);
}

} // namespace pin

PinGate::Outcome PinGate::attempt(const QString& typed, const QString& stored)
{
    if (!canTry())
        return Outcome::Waiting;
    return settle(pin::verify(typed, stored));
}

PinGate::Outcome PinGate::settle(bool right)
{
    Outcome outcome = Outcome::Right;
    if (right) {
        wrong_ = 0;
    } else {
        outcome = Outcome::Wrong;
        if (++wrong_ >= triesBeforeWait) {
            wrong_ = 0;
            waitUntil_ = now_() + waitSeconds;
        }
    }
    if (changed_)
        changed_(wrong_, secondsToWait());
    return outcome;
}

void PinGate::restore(int wrong, double secondsLeft)
{
    wrong_ = qBound(0, wrong, triesBeforeWait - 1);
    const double left = qBound(0.0, secondsLeft, waitSeconds);
    waitUntil_ = left > 0 ? now_() + left : -1.0;
}

double PinGate::secondsToWait() const
{
    return waitUntil_ < 0 ? 0.0 : qMax(0.0, waitUntil_ - now_());
}
