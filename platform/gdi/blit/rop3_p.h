#pragma once
// Ternary raster operations on rows of 32-bit pixels.
//
// The operation index is bits 16..23 of a raster-operation code. Its bit number
// P * 4 + S * 2 + D gives the result bit for pattern bit P, source bit S and
// destination bit D, so the index is the operation's truth table (SRCCOPY = 0xCC,
// PATCOPY = 0xF0, DSTINVERT = 0x55).
//
// The operation acts on the 24 colour bits of each pixel. The unused top byte of a
// result is set to 0xFF, the value QPainter keeps there, so that a pixel written by a
// raster operation stays opaque for Qt and for per-pixel-alpha blends. SRCCOPY is the
// exception: it copies whole pixels, so premultiplied pixels keep their alpha.

#include <cstdint>
#include <span>

#include "platform/gdi/types.h"

namespace platform::gdi {

constexpr std::uint32_t kOpaqueBits = 0xFF000000u;

constexpr std::uint8_t RopIndex(DWORD rop) { return static_cast<std::uint8_t>(rop >> 16); }

// Whether the result depends on the source, pattern or destination at all.
constexpr bool RopUsesSource(std::uint8_t index) { return ((index >> 2) ^ index) & 0x33; }
constexpr bool RopUsesPattern(std::uint8_t index) { return ((index >> 4) ^ index) & 0x0F; }
constexpr bool RopUsesDestination(std::uint8_t index) { return ((index >> 1) ^ index) & 0x55; }

// Evaluates one operation on whole 32-bit words, every bit at once: a three-level
// multiplexer over D, S and P whose leaves are all-ones or all-zero masks taken from
// the truth table once, when the evaluator is made.
class RopEvaluator {
 public:
  explicit RopEvaluator(std::uint8_t index);

  std::uint32_t operator()(std::uint32_t pattern, std::uint32_t source,
                           std::uint32_t destination) const {
    const std::uint32_t d = destination;
    const std::uint32_t s = source;
    // c[ps]: the result for pattern p and source s, chosen by d.
    const std::uint32_t c00 = low_[0] ^ (d & flip_[0]);
    const std::uint32_t c01 = low_[1] ^ (d & flip_[1]);
    const std::uint32_t c10 = low_[2] ^ (d & flip_[2]);
    const std::uint32_t c11 = low_[3] ^ (d & flip_[3]);
    const std::uint32_t e0 = c00 ^ (s & (c01 ^ c00));
    const std::uint32_t e1 = c10 ^ (s & (c11 ^ c10));
    return e0 ^ (pattern & (e1 ^ e0));
  }

 private:
  // For each (p, s): the mask of the result when d = 0, and the mask of the bits that
  // change when d = 1.
  std::uint32_t low_[4];
  std::uint32_t flip_[4];
};

// destination[i] = rop(pattern[i], source[i], destination[i]) with the common
// operations on fast paths. `source` and `pattern` must hold destination.size()
// pixels when the operation uses them and are not read otherwise (they may then be
// null). `source` may overlap `destination` only for SRCCOPY.
void ApplyRop(std::uint8_t index, std::span<std::uint32_t> destination,
              const std::uint32_t* source, const std::uint32_t* pattern);

}  // namespace platform::gdi
