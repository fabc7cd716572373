#pragma once
// Counting the set bits of a run of words. Without a popcount instruction in the baseline
// x86-64 target, std::popcount is a library call per word; SSE2 counts two words in a
// dozen instructions instead.

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace shrink4 {

// Bits set in the words wordAt(0) .. wordAt(n - 1).
template <class WordAt>
int popcountWords(int n, WordAt&& wordAt)
{
    int i = 0;
    int total = 0;
#if defined(__SSE2__)
    const __m128i ones = _mm_set1_epi8(0x55), twos = _mm_set1_epi8(0x33), nibbles = _mm_set1_epi8(0x0F);
    const __m128i zero = _mm_setzero_si128();
    __m128i sums = zero;
    for (; i + 2 <= n; i += 2) {
        __m128i x = _mm_set_epi64x(std::int64_t(wordAt(i + 1)), std::int64_t(wordAt(i)));
        x = _mm_sub_epi8(x, _mm_and_si128(_mm_srli_epi64(x, 1), ones));
        x = _mm_add_epi8(_mm_and_si128(x, twos), _mm_and_si128(_mm_srli_epi64(x, 2), twos));
        x = _mm_and_si128(_mm_add_epi8(x, _mm_srli_epi64(x, 4)), nibbles); // bits per byte
        sums = _mm_add_epi64(sums, _mm_sad_epu8(x, zero));
    }
    total = _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums));
#endif
    for (; i < n; ++i)
        total += std::popcount(std::uint64_t(wordAt(i)));
    return total;
}

} // namespace shrink4
