// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/Feedback.h"

#include "services/Platform.h"
#include "services/RandomSource.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Eighteen slots drawn with equal chance; a colour that fills several slots
// (pink three, salmon, orange and brown two each) comes up that much more
// often.
struct Rgb { int red, green, blue; };
constexpr std::array<Rgb, 18> palette = {{
    {255, 192, 192},
    {255, 128, 128},
    {255, 128, 0},
    {255, 192, 128},
    {255, 128, 0},
    {255, 255, 192},
    {255, 128, 128},
    {192, 64, 0},
    {128, 255, 128},
    {192, 64, 0},
    {192, 255, 255},
    {0, 255, 255},
    {192, 192, 255},
    {255, 192, 255},
    {255, 192, 255},
    {224, 224, 224},
    {255, 192, 255},
    {255, 0, 255},
}};

constexpr int praiseSounds = 4;

}  // namespace

QColor randomColour(RandomSource& random)
{
    // Clamped so a fraction that rounds up to 1 still lands on the last slot.
    const int slot = std::clamp(random.below(palette.size()), 0, int(palette.size()) - 1);
    const Rgb& c = palette[slot];
    return QColor(c.red, c.green, c.blue);
}

Feedback::Feedback(const bool& soundsOn, RandomSource& random, SoundPlayer& player, QString programFolder)
    : soundsOn_(soundsOn), random_(random), player_(player), folder_(std::move(programFolder))
{
}

void Feedback::playPraise()
{
    if (!soundsOn_)
        return;
    const int n = std::clamp(random_.below(praiseSounds), 0, praiseSounds - 1) + 1;
    player_.play(folder_ + QStringLiteral("/suoni/si") + QString::number(n) + QStringLiteral(".wav"));
}

void Feedback::playError()
{
    if (!soundsOn_)
        return;
    player_.play(folder_ + QStringLiteral("/suoni/no.wav"));
}

void Feedback::beep()
{
    // The alert marks a move the child cannot make, not a judgement, so it
    // sounds even with the praise and error sounds switched off.
    player_.beep();
}
