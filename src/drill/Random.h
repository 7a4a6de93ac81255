#pragma once

// The program's random source: a Mersenne twister seeded once by its owner
// (the window seeds it from the clock, tests with fixed numbers).

#include <cstdint>
#include <random>

#include "drill/DrillPorts.h"

namespace korvan {

class TStdRandom : public IRandom
{
public:
    explicit TStdRandom(std::uint32_t seed) : Generator(seed) {}
    // Unbiased (rejection of the incomplete last block), and the same sequence
    // for the same seed on every standard library.
    std::uint32_t Uniform(std::uint32_t n) override;

private:
    std::mt19937 Generator;
};

// A seed from a clock reading: the milliseconds of the date-time value.
std::uint32_t SeedFromTime(double dateTime);

} // namespace korvan
