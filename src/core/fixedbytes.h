#pragma once

#include <cstddef>
#include <cstring>

namespace kelvarino {

// Copies N bytes, N known at compile time, in 16-byte moves (the last one may
// overlap the one before). Compilers turn a plain memcpy of an odd size such
// as 50 or 100 bytes into a string instruction whose start-up cost dominates
// when millions of short text fields are read or written.
template <std::size_t N>
inline void CopyFixedBytes(char *target, const char *source)
{
    if constexpr (N >= 16) {
        std::size_t at = 0;
        for (; at + 16 <= N; at += 16)
            std::memcpy(target + at, source + at, 16);
        if (at < N)
            std::memcpy(target + N - 16, source + N - 16, 16);
    } else {
        std::memcpy(target, source, N);
    }
}

} // namespace kelvarino
