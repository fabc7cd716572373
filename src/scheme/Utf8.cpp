#include "Utf8.h"

namespace shrink4 {

qsizetype firstInvalidUtf8(const QByteArray& bytes)
{
    const auto n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int follow;
        unsigned minimum;
        unsigned cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            follow = 1, minimum = 0x80, cp = c & 0x1Fu;
        } else if ((c & 0xF0) == 0xE0) {
            follow = 2, minimum = 0x800, cp = c & 0x0Fu;
        } else if ((c & 0xF8) == 0xF0) {
            follow = 3, minimum = 0x10000, cp = c & 0x07u;
        } else {
            return i;
        }
        if (i + follow >= n) // truncated sequence
            return i;
        for (int k = 1; k <= follow; ++k) {
            const auto cc = static_cast<unsigned char>(bytes[i + k]);
            if ((cc & 0xC0) != 0x80)
                return i;
            cp = (cp << 6) | (cc & 0x3Fu);
        }
        // Overlong forms, UTF-16 surrogates and values past U+10FFFF are not UTF-8.
        if (cp < minimum || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            return i;
        i += follow + 1;
    }
    return -1;
}

} // namespace shrink4
