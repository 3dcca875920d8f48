// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QtGlobal>

#include <array>
#include <vector>

// The three-wire abacus of the abacus screens: how many beads each wire
// holds, how many it can hold, and the two exchanges. The model is always at
// rest: place i of a wire shows a bead exactly when i < count(wire). The
// blinking of an exchange is a list of frames that the screen plays; the
// counts have their final values as soon as the exchange is accepted.

namespace abacus {

enum class Wire { Hundreds = 0, Tens = 1, Units = 2 };
inline constexpr int WireCount = 3;
inline constexpr int MaxPlaces = 19;
inline constexpr std::array<Wire, WireCount> AllWires{Wire::Hundreds, Wire::Tens, Wire::Units};

constexpr int indexOf(Wire w) { return static_cast<int>(w); }

// Places per wire and the count at which "add" stops adding.
struct Limits
{
    std::array<int, WireCount> capacity{9, 9, 9};
    std::array<int, WireCount> clickLimit{9, 9, 9};
    bool operator==(const Limits&) const = default;
};

// The abacus of each kind of screen.
Limits buildLimits();           // build the number: 9 places, 9 clicks
Limits readLimits();            // read the abacus: 9 places, no clicks
Limits exchangeHiddenLimits();  // addition and subtraction without exchange
Limits exchangeLimits();        // with exchanges: 9 / 19 / 19 on both

using Counts = std::array<int, WireCount>;

// The colour of a bead place, 0xRRGGBB: green hundreds, red tens, blue
// units; from the tenth place of a 19-place wire on, the light shade tells
// the child that ten are there and an exchange is due.
quint32 beadShade(Wire w, int place);

// Which places show a bead: bit i of element w is place i of wire w.
using Visibility = std::array<quint32, WireCount>;

// The places shown by counts at rest.
Visibility restingVisibility(const Counts& counts);

enum class ExchangeResult { Done, Refused, Ignored };

// An exchange as the child sees it: each frame stands for one pause of the
// animation, oldest first; after the last one the abacus shows the counts
// at rest. Empty unless the exchange was done.
struct Exchange
{
    ExchangeResult result = ExchangeResult::Ignored;
    std::vector<Visibility> frames;
};

// The seconds each frame of an exchange stays on show.
inline constexpr double FrameSeconds = 0.3;

// Ten beads of source (units or tens) become one bead of the wire to its
// left. From counts before the exchange (source at least 10): nine passes
// toggle the ten topmost beads of source, lowest first, so that they blink
// and end hidden; then four passes toggle the new bead of the left wire,
// which flashes twice. Thirteen frames.
std::vector<Visibility> exchangeUpFrames(const Counts& before, Wire source);

// One bead of source (tens or hundreds) becomes ten beads of the wire to its
// right. From counts before the exchange (source at least 1, the right wire
// at most 9): nine passes toggle the top bead of source, which ends hidden;
// then nine passes toggle the ten new places of the right wire, which end
// shown. Eighteen frames.
std::vector<Visibility> exchangeDownFrames(const Counts& before, Wire source);

class AbacusModel
{
public:
    explicit AbacusModel(Limits limits = buildLimits());

    const Limits& limits() const { return limits_; }
    int count(Wire w) const { return counts_[indexOf(w)]; }
    int capacity(Wire w) const { return limits_.capacity[indexOf(w)]; }
    int clickLimit(Wire w) const { return limits_.clickLimit[indexOf(w)]; }
    const Counts& counts() const { return counts_; }
    Visibility visibility() const { return restingVisibility(counts_); }

    // One bead more on top of the wire, unless the wire is at its click
    // limit. True when a bead was added.
    bool addBead(Wire w);
    // The top bead off the wire, unless it is empty. True when one was taken.
    bool removeBead(Wire w);
    void clear();
    // The beads of a number 0..999 from the foot up: hundreds, tens and
    // units digits. Anything outside is held within the wires' places.
    void showNumber(int n);
    // 100 h + 10 da + u; with ten or more beads on a wire this is not a
    // three-digit reading of the wires.
    qint16 value() const;

    // Addition screens, source units or tens. Ignored when the wire to the
    // left is full, refused when source holds fewer than ten beads.
    Exchange exchangeUp(Wire source);
    // Subtraction screens, source tens or hundreds. Refused when source is
    // empty or the wire to the right already holds ten beads or more.
    Exchange exchangeDown(Wire source);

private:
    Limits limits_;
    Counts counts_{0, 0, 0};
};

} // namespace abacus
