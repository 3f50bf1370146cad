#include "platform/gdi/blit/rop3_p.h"

#include <algorithm>
#include <cstring>

namespace platform::gdi {
namespace {

constexpr std::uint32_t TruthMask(std::uint8_t index, unsigned p, unsigned s, unsigned d) {
  return (index >> (p * 4 + s * 2 + d)) & 1u ? 0xFFFFFFFFu : 0u;
}

template <typename Operation>
void Transform(std::span<std::uint32_t> destination, Operation operation) {
  for (std::size_t i = 0; i < destination.size(); ++i) {
    destination[i] = operation(i, destination[i]) | kOpaqueBits;
  }
}

}  // namespace

RopEvaluator::RopEvaluator(std::uint8_t index) {
  for (unsigned ps = 0; ps < 4; ++ps) {
    const unsigned p = ps >> 1;
    const unsigned s = ps & 1;
    low_[ps] = TruthMask(index, p, s, 0);
    flip_[ps] = low_[ps] ^ TruthMask(index, p, s, 1);
  }
}

void ApplyRop(std::uint8_t index, std::span<std::uint32_t> destination,
              const std::uint32_t* source, const std::uint32_t* pattern) {
  switch (index) {
    case RopIndex(SRCCOPY):
      std::memmove(destination.data(), source, destination.size_bytes());
      return;
    case RopIndex(PATCOPY):
      return Transform(destination, [pattern](std::size_t i, std::uint32_t) { return pattern[i]; });
    case RopIndex(BLACKNESS):
      std::fill(destination.begin(), destination.end(), kOpaqueBits);
      return;
    case RopIndex(WHITENESS):
      std::fill(destination.begin(), destination.end(), 0xFFFFFFFFu);
      return;
    case RopIndex(SRCINVERT):
      return Transform(destination, [source](std::size_t i, std::uint32_t d) { return d ^ source[i]; });
    case RopIndex(SRCAND):
      return Transform(destination, [source](std::size_t i, std::uint32_t d) { return d & source[i]; });
    case RopIndex(SRCPAINT):
      return Transform(destination, [source](std::size_t i, std::uint32_t d) { return d | source[i]; });
    case RopIndex(DSTINVERT):
      return Transform(destination, [](std::size_t, std::uint32_t d) { return ~d; });
    case RopIndex(PATINVERT):
      return Transform(destination, [pattern](std::size_t i, std::uint32_t d) { return d ^ pattern[i]; });
    default:
      break;
  }
  const RopEvaluator evaluate(index);
  const bool usesSource = RopUsesSource(index);
  const bool usesPattern = RopUsesPattern(index);
  // An operand the operation ignores is read from the destination itself, which keeps
  // the loop free of branches.
  const std::uint32_t* s = usesSource ? source : destination.data();
  const std::uint32_t* p = usesPattern ? pattern : destination.data();
  Transform(destination, [&](std::size_t i, std::uint32_t d) { return evaluate(p[i], s[i], d); });
}

}  // namespace platform::gdi
