// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>

class RandomSource;

// The rules of the exercise "ordina i numeri": from three to eight numbers
// are placed one after the other, and once all are placed their order is
// judged, smallest first or largest first.
class Ordering
{
public:
    static constexpr int MinCount = 3;
    static constexpr int MaxCount = 8;

    enum class Outcome { Ignored, Placed, Right, Wrong };

    // How many numbers an option caption asks for: the number it starts
    // with, kept within 3..8 (a translated caption may say anything; there
    // are only eight buttons).
    static int countFromCaption(const QString& caption);

    // New numbers 0 to maxNumber, one random fraction each, in button order.
    void pose(RandomSource& random, int howMany, int maxNumber);
    // The same numbers again, none placed.
    void offerAgain();
    // Places the number of button i. Once the last is placed the order is
    // judged: a wrong order is offered again at once, a right one stays.
    Outcome place(int button);

    void setAscending(bool ascending) { ascending_ = ascending; }
    bool ascending() const { return ascending_; }

    int howMany() const { return static_cast<int>(numbers_.size()); }
    const QList<int>& numbers() const { return numbers_; }
    const QList<int>& picked() const { return picked_; }
    int pickedCount() const { return static_cast<int>(picked_.size()); }
    bool isPlaced(int button) const;
    // Whether the placed numbers keep the order; equal neighbours always do.
    bool inOrder() const;

private:
    QList<int> numbers_;
    QList<int> picked_;
    QList<bool> placed_;
    bool ascending_ = true;
};
