#pragma once

// The class library's own pseudo-random generator (a 32-bit linear congruential state),
// used by the chart's sample values. The machine model has its own generator.

#include <cstdint>

// The state; assign it to repeat a sequence.
extern uint32_t RandSeed;

// 0 <= result < range: the high 32 bits of the new state times range, where the new state is
// RandSeed * 0x08088405 + 1 (mod 2^32). A range of 0 or below gives 0 (the state still moves).
int32_t Random(int32_t range);
// 0 <= result < 1: the new state / 2^32.
double Random();
// A state from the clock.
void Randomize();
