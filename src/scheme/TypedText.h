#pragma once
// Text a person types or pastes, as a box takes it in. A Chinese input method left in
// full-width mode gives ０-９ and full-width spaces, which no condition understands;
// they become their ASCII twins. Text set by the program (a scheme, a run) is not typed
// and stays as it is.

#include <QString>

namespace shrink4 {

inline QString typedText(QString text)
{
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(char16_t(u - 0xFEE0));
        else if (u == 0x3000)
            c = QChar(u' ');
    }
    return text;
}

} // namespace shrink4
