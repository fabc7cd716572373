#pragma once
// What the set tool may ask of the main window, given by the main window when it opens
// the tool; the tool knows nothing else of it.

#include <QString>

#include <functional>

namespace shrink4 {

struct MainWindowLink {
    // Hands the result of the conditions on screen, as text, to the function given: at
    // once, or when a run of them has listed it (never, when the run fails and the main
    // window has said why).
    std::function<void(const std::function<void(const QString&)>&)> takeResult;
    // Replaces the main window's 大底 with text, as one edit its undo takes back, and
    // brings the main window forward.
    std::function<void(const QString&)> sendToBasePool;
};

} // namespace shrink4
