#pragma once
// Integer helpers shared by the number writers: tables of powers, a 128-bit
// integer for exact scaling, and writing a fixed count of decimal digits.
#include <array>
#include <cstddef>
#include <cstdint>

namespace korvane {

// Wide enough for a 53-bit mantissa times a power of five up to 5^27; GCC
// and Clang have it.
__extension__ typedef unsigned __int128 TUint128;

// base^0 to base^(N - 1).
template <std::uint64_t Base, std::size_t N> constexpr std::array<std::uint64_t, N> PowerTable() {
  std::array<std::uint64_t, N> p{};
  p[0] = 1;
  for (std::size_t k = 1; k < N; ++k)
    p[k] = p[k - 1] * Base;
  return p;
}

inline constexpr char kDigitPairs[] = "00010203040506070809101112131415161718192021222324"
                                      "25262728293031323334353637383940414243444546474849"
                                      "50515253545556575859606162636465666768697071727374"
                                      "75767778798081828384858687888990919293949596979899";

// Writes exactly `count` decimal digits of `n` (leading zeros included).
inline void WriteDigits(char *to, std::uint32_t n, int count) {
  int i = count;
  for (; i >= 2; i -= 2, n /= 100) {
    const std::size_t pair = (n % 100) * 2;
    to[i - 2] = kDigitPairs[pair];
    to[i - 1] = kDigitPairs[pair + 1];
  }
  if (i == 1)
    to[0] = static_cast<char>('0' + n % 10);
}

} // namespace korvane
