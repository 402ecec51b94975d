#pragma once
// The random draws of a test run. Production seeds a generator once from
// the clock; tests script every value.

#include <QList>
#include <cstdint>
#include <random>

namespace velk {

class Random {
public:
    virtual ~Random() = default;
    virtual void seedFromClock() {}
    // Next single-precision value in [0, 1).
    virtual float next() = 0;
};

class ClockRandom : public Random {
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 gen_;
};

// Hands out the given values in turn; past the end it repeats the last one
// (0 when none were given).
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(QList<float> values = {}) : values_(std::move(values)) {}
    float next() override;
    int drawn() const { return pos_; }

private:
    QList<float> values_;
    int pos_ = 0;
};

}  // namespace velk
