#pragma once
// A second generator for the colour tests, written straight from the game's
// rule so expected draws do not come from the code under test: seeding sets
// the low word to seed × 22695477 + 1; a draw sets s = s × 1486058704437 + 1
// (mod 2^64) and yields the upper word without its top bit, mod n.
#include <cstdint>

class RuleDraw {
public:
    explicit RuleDraw(uint32_t seed) : s_(uint32_t(seed * 22695477u + 1u)) {}
    int operator()(int n) {
        if (n == 0)
            return 0;
        s_ = s_ * 1486058704437ull + 1ull;
        return int((uint32_t(s_ >> 32) & 0x7FFFFFFFu) % uint32_t(n));
    }

private:
    uint64_t s_;
};
