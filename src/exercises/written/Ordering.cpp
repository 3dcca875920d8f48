// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/written/Ordering.h"

#include "services/RandomSource.h"
#include "services/TextForms.h"

#include <algorithm>
#include <cmath>

int Ordering::countFromCaption(const QString& caption)
{
    const double value = lenientNumber(caption);
    if (!(value >= MinCount))  // also a value that is not a number at all
        return MinCount;
    if (value >= MaxCount)
        return MaxCount;
    return static_cast<int>(value);
}

void Ordering::pose(RandomSource& random, int howMany, int maxNumber)
{
    howMany = std::clamp(howMany, MinCount, MaxCount);
    numbers_.clear();
    for (int i = 0; i < howMany; ++i)
        numbers_.push_back(random.below(maxNumber + 1));
    offerAgain();
}

void Ordering::offerAgain()
{
    picked_.clear();
    placed_ = QList<bool>(numbers_.size(), false);
}

bool Ordering::isPlaced(int button) const
{
    return button >= 0 && button < placed_.size() && placed_[button];
}

Ordering::Outcome Ordering::place(int button)
{
    if (button < 0 || button >= numbers_.size() || placed_[button] || pickedCount() == howMany())
        return Outcome::Ignored;
    placed_[button] = true;
    picked_.push_back(numbers_[button]);
    if (pickedCount() < howMany())
        return Outcome::Placed;
    if (inOrder())
        return Outcome::Right;
    offerAgain();
    return Outcome::Wrong;
}

bool Ordering::inOrder() const
{
    for (qsizetype k = 1; k < picked_.size(); ++k) {
        const bool wrong = ascending_ ? picked_[k] < picked_[k - 1] : picked_[k - 1] < picked_[k];
        if (wrong)
            return false;
    }
    return true;
}
