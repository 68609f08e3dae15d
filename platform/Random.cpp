#include "platform/Random.h"

#include <QDateTime>
#include <QElapsedTimer>

uint32_t RandSeed = 0;

namespace {

uint32_t NextState()
{
    RandSeed = RandSeed * 0x08088405u + 1u; // unsigned: wraps mod 2^32 by definition
    return RandSeed;
}

} // namespace

int32_t Random(int32_t range)
{
    const uint32_t state = NextState();
    if (range <= 0)
        return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(state) * static_cast<uint32_t>(range)) >> 32);
}

double Random()
{
    return static_cast<double>(NextState()) * (1.0 / 4294967296.0);
}

void Randomize()
{
    // Wall clock mixed with a monotonic counter, so that two calls in one millisecond differ.
    QElapsedTimer timer;
    timer.start();
    const uint64_t now = static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch());
    const uint64_t tick = static_cast<uint64_t>(timer.nsecsElapsed()) ^ static_cast<uint64_t>(timer.msecsSinceReference());
    RandSeed = static_cast<uint32_t>(now ^ (now >> 32) ^ (tick * 0x9E3779B97F4A7C15ull >> 32));
}
