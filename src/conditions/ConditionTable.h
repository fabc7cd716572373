#pragma once
// Every condition control once: its scheme key (also the widget's objectName), the member
// of ConditionInputs it fills, its kind, where it sits, its captions, what it holds at
// start-up and after "清空所有条件", and the help text a box shows while it is empty. The scheme reader and writer, the window's binding,
// its page building and its clearing all walk this table.

#include "ConditionInputs.h"
#include "HelpTexts.h"
#include "ItemCaptions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <tuple>

namespace shrink4 {

// One per control, in the order schemes list them.
enum class ControlId : std::uint8_t {
    straightKills, junkCompounds, killTwoCodes, mustTwoCodes, killThreeCodes, mustThreeCodes,
    positionalKills, sumValues, basePool,
    totalTolerance, danTolerance, positionTolerance,
    sumTails, spans, universalDigits, positionDigits, acValues, specialShapes, specialExclusions,
    bigSmallShapes, oddEvenShapes, primeCompositeShapes, roadShapes, danRepeatCounting,
    danDigits, danHitCounts,
};
inline constexpr std::size_t kControlCount = std::size_t(ControlId::danHitCounts) + 1;

enum class ControlKind : std::uint8_t {
    TextBox,  // a multi-line box
    LineBox,  // a single-line box
    Range,    // two single-line boxes: lower and upper bound
    CheckRow, // a row (or grid) of check boxes
    CheckBox, // one check box
    Toggles,  // buttons selected by a click
};

// Where a control sits in the main window.
enum class Frame : std::uint8_t {
    Pages, BasePool, SumSpanDan, Dan, Positional, Tolerance,
    BigSmallShape, OddEvenShape, PrimeCompositeShape, RoadShape, SpecialShape, SpecialExclusion,
};
inline constexpr int kFrameCount = 12;

struct ControlMeta {
    ControlId id;
    std::string_view key;
    ControlKind kind;
    std::string_view caption;              // what the window and the statistics call it
    Frame frame;
    int page;                              // tab of the paged text conditions, or -1
    std::string_view startText;            // text controls: at start-up and after clearing
    std::string_view help;                 // text boxes: the placeholder; alone it is empty
    bool keptByClearAll;                   // clearing all conditions leaves it as it is
    std::span<const std::string_view> items; // captions of one row of its boxes or buttons
};

template <class T>
struct Control {
    ControlMeta meta;
    T ConditionInputs::*member;
};

namespace table_detail {
constexpr std::span<const std::string_view> kNone{};
template <class T>
constexpr Control<T> text(ControlId id, std::string_view key, ControlKind kind, std::string_view caption, Frame frame,
                          int page, std::string_view start, std::string_view help, T ConditionInputs::*member)
{
    return {{id, key, kind, caption, frame, page, start, help, false, kNone}, member};
}
template <class T>
constexpr Control<T> boxes(ControlId id, std::string_view key, ControlKind kind, std::string_view caption, Frame frame,
                           std::span<const std::string_view> items, T ConditionInputs::*member, bool kept = false)
{
    return {{id, key, kind, caption, frame, -1, {}, {}, kept, items}, member};
}
} // namespace table_detail

inline constexpr auto kControls = [] {
    using namespace table_detail;
    using C = ConditionInputs;
    using K = ControlKind;
    using I = ControlId;
    using F = Frame;
    return std::tuple{
        text(I::straightKills, "T_main_shazhixuan", K::TextBox, "杀直选号码", F::Pages, 0, "", help::kStraightKill,
             &C::straightKills),
        text(I::junkCompounds, "T_main_laji_fushi", K::TextBox, "杀垃圾复式", F::Pages, 1, "", help::kJunkCompound,
             &C::junkCompounds),
        text(I::killTwoCodes, "T_main_sha_2ma", K::TextBox, "杀两码组合", F::Pages, 2, "", help::kCodeList,
             &C::killTwoCodes),
        text(I::mustTwoCodes, "T_main_bichu_2ma", K::TextBox, "必出两码组合", F::Pages, 2, "", help::kCodeList,
             &C::mustTwoCodes),
        text(I::killThreeCodes, "T_main_sha_3ma", K::TextBox, "杀3码组合", F::Pages, 3, "", help::kCodeList,
             &C::killThreeCodes),
        text(I::mustThreeCodes, "T_main_bichu_3ma", K::TextBox, "必出3码组合", F::Pages, 3, "", help::kCodeList,
             &C::mustThreeCodes),
        text(I::positionalKills, "T_main_dw_sha", K::TextBox, "定位杀号", F::Pages, 4, "", help::kPositionalKill,
             &C::positionalKills),
        text(I::sumValues, "T_sha_hezhi", K::LineBox, "杀和值", F::SumSpanDan, -1, "", help::kSumValue,
             &C::sumValues),
        text(I::basePool, "T_dadi_nb", K::TextBox, "大底", F::BasePool, -1, "", help::kBasePool,
             &C::basePool),
        text(I::totalTolerance, "T_zong_rc", K::Range, "过滤条件总容错", F::Tolerance, -1, help::kTolerance, "",
             &C::totalTolerance),
        text(I::danTolerance, "T_dzu_rc", K::Range, "胆组容错", F::Tolerance, -1, help::kTolerance, "",
             &C::danTolerance),
        text(I::positionTolerance, "T_dw_rc", K::Range, "定位容错", F::Tolerance, -1, help::kTolerance, "",
             &C::positionTolerance),
        boxes(I::sumTails, "Check_hewei_sha", K::CheckRow, "杀和尾", F::SumSpanDan, captions::kDigits, &C::sumTails),
        boxes(I::spans, "Check_kuadu_sha", K::CheckRow, "杀跨度", F::SumSpanDan, captions::kDigits, &C::spans),
        boxes(I::universalDigits, "Check_tsm_sha", K::CheckRow, "通杀码", F::SumSpanDan, captions::kDigits,
              &C::universalDigits),
        boxes(I::positionDigits, "Check_hewei_sha1", K::CheckRow, "定位杀", F::Positional, captions::kDigits,
              &C::positionDigits),
        boxes(I::acValues, "Check_ac_sha", K::CheckRow, "杀AC值", F::SumSpanDan, captions::kAcValues, &C::acValues),
        boxes(I::specialShapes, "Check_tebie_paichu1", K::CheckRow, "杀特殊形态", F::SpecialShape,
              captions::kSpecialShapes, &C::specialShapes),
        boxes(I::specialExclusions, "Check_tebie_paichu", K::CheckRow, "特别排除", F::SpecialExclusion,
              captions::kSpecialExclusions, &C::specialExclusions),
        boxes(I::bigSmallShapes, "Check_shaxingtai_daxiao", K::CheckRow, "杀大小形态", F::BigSmallShape,
              captions::kBigSmall, &C::bigSmallShapes),
        boxes(I::oddEvenShapes, "Check_shaxingtai_jo", K::CheckRow, "杀奇偶形态", F::OddEvenShape,
              captions::kOddEven, &C::oddEvenShapes),
        boxes(I::primeCompositeShapes, "Check_shaxingtai_zhihe", K::CheckRow, "杀质合形态", F::PrimeCompositeShape,
              captions::kPrimeComposite, &C::primeCompositeShapes),
        boxes(I::roadShapes, "Check_shaxingtai_012", K::CheckRow, "杀012路形态", F::RoadShape, captions::kRoad,
              &C::roadShapes),
        // Clearing all conditions leaves the way hits are counted alone.
        boxes(I::danRepeatCounting, "Check_dm_jchong", K::CheckBox, "胆码计重", F::Dan, kNone,
              &C::danRepeatCounting, true),
        boxes(I::danDigits, "C_danzu", K::Toggles, "胆组", F::Dan, captions::kDigits, &C::danDigits),
        boxes(I::danHitCounts, "C_danzu_gs", K::Toggles, "胆码开出个数", F::Dan, captions::kDanCounts,
              &C::danHitCounts),
    };
}();

static_assert(std::tuple_size_v<decltype(kControls)> == kControlCount);

// Calls visit(meta, member) for every control in table order, member being the value it
// fills in `in` (const when `in` is).
template <class Inputs, class Visitor>
void forEachControl(Inputs& in, Visitor&& visit)
{
    std::apply([&](const auto&... control) { (visit(control.meta, in.*control.member), ...); }, kControls);
}

inline constexpr std::array<ControlMeta, kControlCount> kControlMetas =
    std::apply([](const auto&... control) { return std::array<ControlMeta, kControlCount>{control.meta...}; },
               kControls);

constexpr const ControlMeta& controlMeta(ControlId id) { return kControlMetas[std::size_t(id)]; }

// A text box is empty, and its condition takes no part, when it holds only whitespace
// (space, tab, CR, LF, U+3000) or, trimmed of it, its help text alone.
bool isEmptyBox(std::string_view text, std::string_view help);

// Bytes of text in all the boxes: what decides whether reading them is worth a thread.
std::size_t textBytes(const ConditionInputs& in);

// A box or button of a control array is named like its element on screen: "Check_tsm_sha(7)".
std::string indexedKey(std::string_view key, int index);

} // namespace shrink4
