#include "Services.h"

#include <QTime>

#include <bit>
#include <cmath>

namespace tk {

float SystemClock::secondsSinceMidnight() const
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

double SystemClock::monotonicSeconds() const
{
    return static_cast<double>(started_.nsecsElapsed()) / 1e9;
}

namespace {
std::uint64_t splitMix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

float SeededRandom::next()
{
    return static_cast<float>(splitMix(state_) >> 40) * 0x1.0p-24f;
}

void SeededRandom::seed(float value)
{
    std::uint64_t mixed = std::bit_cast<std::uint32_t>(value) * 0x9E3779B97F4A7C15ull;
    state_ = splitMix(mixed);
}

int draw(Random& random, int n)
{
    return static_cast<int>(std::floor(static_cast<double>(random.next()) * n)) + 1;
}

} // namespace tk
