#pragma once
// The clock, the one random generator and the voice, each behind an interface that tests replace.

#include <QElapsedTimer>
#include <QString>

#include <cstdint>

namespace tk {

class Clock {
public:
    virtual ~Clock() = default;
    // Time of day in seconds since midnight, with its fraction: what seeds the generator.
    virtual float secondsSinceMidnight() const = 0;
    // Seconds on a clock that only runs forward: what durations are measured with, so that
    // midnight, daylight saving and a clock set by hand do not change them.
    virtual double monotonicSeconds() const = 0;
};

class SystemClock final : public Clock {
public:
    SystemClock() { started_.start(); }
    float secondsSinceMidnight() const override;
    double monotonicSeconds() const override;

private:
    QElapsedTimer started_;
};

class Random {
public:
    virtual ~Random() = default;
    // The next value r, 0 <= r < 1.
    virtual float next() = 0;
    virtual void seed(float value) = 0;
};

// Starts from a fixed state; each value has 24 random bits, so it is exact as a float and never 1.
class SeededRandom final : public Random {
public:
    float next() override;
    void seed(float value) override;

private:
    std::uint64_t state_ = 0x51A7E5EEDull;
};

// A whole number from 1 to n, each equally likely: the whole part of r * n, plus 1.
int draw(Random& random, int n);

// What the program says aloud. Saying never waits for the voice, and a new utterance interrupts
// the one before it, so a quick child hears the latest count, not a queue.
class Speech {
public:
    virtual ~Speech() = default;
    virtual void say(const QString& text) = 0;
    // Stops whatever is being said.
    virtual void stop() = 0;
};

// The voice switched off: a quiet classroom.
class Silence final : public Speech {
public:
    void say(const QString&) override {}
    void stop() override {}
};

} // namespace tk
