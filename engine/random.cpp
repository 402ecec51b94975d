#include "random.h"

#include <chrono>

namespace velk {

void ClockRandom::seedFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    gen_.seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

float ClockRandom::next()
{
    // 24 random bits give every float step in [0, 1) and never 1 itself.
    return static_cast<float>(gen_() >> 8) * (1.0f / 16777216.0f);
}

float ScriptedRandom::next()
{
    if (values_.isEmpty())
        return 0.0f;
    const float v = values_.at(qMin(pos_, int(values_.size()) - 1));
    ++pos_;
    return v;
}

}  // namespace velk
