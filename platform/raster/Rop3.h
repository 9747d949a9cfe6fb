#pragma once

#include <array>
#include <cstdint>

// The 256 ternary raster operations as data. A code's eight bits are its truth table: for a bit of
// pattern P, source S and destination D, the result is bit (P * 4 + S * 2 + D) of the code. So
// source copy, 0xCC, is 1 exactly where S is 1, whatever P and D are.
namespace raster {

struct Rop3 {
    uint8_t code = 0;
    bool pattern = false; // the result depends on the brush
    bool source = false; // ... on the source pixels
    bool destination = false; // ... on what is already there
};

// Code of a full 32-bit raster-operation value (bits 16 to 23).
constexpr uint8_t rop3Code(uint32_t rop) { return static_cast<uint8_t>(rop >> 16); }

// An input matters when flipping it changes some entry of the truth table.
constexpr Rop3 describeRop3(uint8_t code)
{
    const auto dependsOn = [code](int bit) {
        for (int i = 0; i < 8; ++i)
            if (((code >> i) & 1) != ((code >> (i ^ bit)) & 1))
                return true;
        return false;
    };
    return {code, dependsOn(4), dependsOn(2), dependsOn(1)};
}

inline constexpr std::array<Rop3, 256> kRop3Table = [] {
    std::array<Rop3, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = describeRop3(static_cast<uint8_t>(c));
    return table;
}();

static_assert(!kRop3Table[0xCC].pattern && kRop3Table[0xCC].source && !kRop3Table[0xCC].destination);
static_assert(kRop3Table[0xF0].pattern && !kRop3Table[0xF0].source && !kRop3Table[0xF0].destination);
static_assert(!kRop3Table[0x55].pattern && !kRop3Table[0x55].source && kRop3Table[0x55].destination);
static_assert(!kRop3Table[0x00].pattern && !kRop3Table[0x00].source && !kRop3Table[0x00].destination);

} // namespace raster
