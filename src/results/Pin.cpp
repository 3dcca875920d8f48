// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/Pin.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace pin {
namespace {

constexpr int keyLength = 32;
constexpr int saltLength = 16;

QByteArray derive(const QString& pin, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, pin.toUtf8(), salt, iterations,
                                              keyLength);
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
    if (right) {
        wrong_ = 0;
        return Outcome::Right;
    }
    if (++wrong_ >= triesBeforeWait) {
        wrong_ = 0;
        waitUntil_ = now_() + waitSeconds;
    }
    return Outcome::Wrong;
}

double PinGate::secondsToWait() const
{
    return waitUntil_ < 0 ? 0.0 : qMax(0.0, waitUntil_ - now_());
}
