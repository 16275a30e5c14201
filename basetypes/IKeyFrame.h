// What every key frame and timeline shares: the key frame's common part (CZentrixKeyFrame: ID,
// tick, interpolation type), its place in a kind's description, and the two searches over a
// timeline's key frames.
//
// A timeline keeps its key frames in ascending order of distinct ticks from 0 on: a tick of -1
// (a new key frame's) or an unset one belongs to no timeline, and no two key frames of one
// timeline share a tick. The start and end ticks of a timeline are its first and last key
// frames' ticks, -1 without key frames. Both searches are binary searches over that order.
#pragma once

#include <string>

#include "basetypes/AnimationEnumerations.h"
#include "basetypes/CProjectScalar.h"
#include "basetypes/CZentrixArchive.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/TypedIDs.h"
#include "basetypes/ZxApi.h"

// The part of every key frame's values that all kinds of key frame share; each key frame
// interface's Fields derives from it.
struct ZX_API CZentrixKeyFrame {
    CKeyFrameID id;
    CProjectInt tick = -1;
    CInterpolationType interpolationType = InterpolationType::Smooth;

    CZentrixKeyFrame() = default;
    explicit CZentrixKeyFrame(int atTick) : tick(atTick) {}

    void setTick(int atTick) { tick = atTick; }
    void setInterpolationType(const CInterpolationType& type) { interpolationType = type; }
    void copy(const CZentrixKeyFrame& other) { *this = other; }
};

namespace zx::keyframes {

// The key frames of one collection hold ascending ticks: the integrity check and the filled
// objects of tools and tests read that from the description.
inline constexpr FieldOptions s_tickOptions{.min = 0, .ascending = true};

// The common entries of a key frame's description, first in its record. Kinds whose
// interpolation type is fixed do not record it.
template <bool recordsInterpolation, class V>
void describeCommon(V& v) {
    v.id("ID", &CZentrixKeyFrame::id);
    v.field("Tick", &CZentrixKeyFrame::tick, s_tickOptions);
    if constexpr (recordsInterpolation)
        v.field("InterpolationType", &CZentrixKeyFrame::interpolationType);
}

// The index of the key frame in force at tick among n key frames in tick order, tickAt(i) giving
// the i-th one's tick: -1 before the first, the last one after the last, otherwise the one at
// the tick or the last one before it.
template <class TickAt>
[[nodiscard]] int indexForTick(int n, int tick, const TickAt& tickAt) {
    if (n == 0 || tick < tickAt(0)) return -1;
    if (tick > tickAt(n - 1)) return n - 1;
    int lo = 0, hi = n - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int at = tickAt(mid);
        if (at == tick) return mid;
        if (tick < at)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    // The loop ends with lo == hi + 1 and hi on the last key frame before the tick.
    return (lo + hi) / 2;
}

// Where a key frame at tick goes among n key frames in tick order: the index of the first one
// after it. -1 refuses it: an unset or negative tick, or one that a key frame already has.
template <class TickAt>
[[nodiscard]] int insertPosition(int n, const CProjectInt& tick, const TickAt& tickAt) {
    if (!tick.isValid() || tick.getValue() < 0) return -1;
    const int value = tick.getValue();
    int lo = 0, hi = n;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (tickAt(mid) < value)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo < n && tickAt(lo) == value ? -1 : lo;
}

// Refuses key frames that break the order above with the archive's exception, which names the
// timeline's record. Loading refuses them because a file is not trusted; storing refuses them
// (a tick changed through a writable handle) so that no file holds a timeline it cannot load.
template <class TickAt>
void checkTicks(CZentrixArchive& ar, int n, const TickAt& tickOf) {
    int previous = -1;
    for (int i = 0; i < n; ++i) {
        const CProjectInt& tick = tickOf(i);
        if (!tick.isValid() || tick.getValue() <= previous)
            ar.fail("key frames in ascending order of distinct ticks from 0 on (key frame " +
                    std::to_string(i) + " breaks it)");
        previous = tick.getValue();
    }
}

}  // namespace zx::keyframes
