#pragma once
// The five pages of the splice tool: which part width is spliced into which target width,
// which positions each input box stands for, and the texts the page shows. The pages
// differ only by their row of this table.

#include <array>
#include <span>
#include <string_view>

namespace shrink4 {

inline constexpr int kSpliceMaxBoxes = 10;
inline constexpr int kSpliceMaxTargetWidth = 5;

struct SplicePage {
    std::string_view code; // "24": part width 2 spliced into four-digit numbers
    int partWidth;
    int targetWidth;
    int boxCount;
    // Positions of each box, 1 = leftmost digit, in the order the box's key is formed.
    std::array<std::string_view, kSpliceMaxBoxes> positions;
    std::array<std::string_view, kSpliceMaxBoxes> captions; // "千百**"
    std::string_view tabCaption;                            // "2星拼接4星"
    std::string_view frameCaption;                          // "2-4"
    std::string_view formatSample;
    std::string_view exportFileName; // "2拼接4.txt"

    std::span<const std::string_view> boxPositions() const { return {positions.data(), std::size_t(boxCount)}; }
    std::span<const std::string_view> boxCaptions() const { return {captions.data(), std::size_t(boxCount)}; }
};

inline constexpr int kSplicePageCount = 5;

// In tab order: "24", "25", "34", "35", "45".
const std::array<SplicePage, kSplicePageCount>& splicePages();

// The page with this code, or nullptr.
const SplicePage* findSplicePage(std::string_view code);

// Index of the page shown when the window opens ("34").
inline constexpr int kSpliceStartPage = 2;

} // namespace shrink4
