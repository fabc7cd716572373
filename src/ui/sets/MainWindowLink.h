#pragma once
// What the set tool may ask of the main window, given by the main window when it opens
// the tool; the tool knows nothing else of it.

#include <QString>

#include <functional>
#include <optional>

namespace shrink4 {

struct MainWindowLink {
    // The result of the conditions on screen as text (run again first when it is of
    // earlier conditions); nullopt when none could be had, the main window having said why.
    std::function<std::optional<QString>()> takeResult;
    // Replaces the main window's 大底 with text, as one edit its undo takes back, and
    // brings the main window forward.
    std::function<void(const QString&)> sendToBasePool;
};

} // namespace shrink4
