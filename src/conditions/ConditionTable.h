#pragma once
// Every condition control once: its scheme key (also the widget's objectName), the member
// of ConditionInputs it fills, its kind, where it sits, its captions, what it holds at
// start-up and after "清空所有条件", the help text a box shows while it is empty, its
// tooltip and its own 清 button. The scheme reader and writer, the window's binding, its
// building, tooltips and clearing all walk this table.

#include "HelpTexts.h"
#include "ItemCaptions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <tuple>

namespace shrink4 {

// The state of every condition control of the main window, as plain values. Text is
// UTF-8 with CR LF line breaks; a check value is ticked only when it is exactly 1; a dan
// button is selected when true. The table below says which control fills each member.
struct ConditionInputs {
    // Paged text conditions and the other text boxes: empty at start-up.
    std::string straightKills;
    std::string junkCompounds;
    std::string killTwoCodes;
    std::string mustTwoCodes;
    std::string killThreeCodes;
    std::string mustThreeCodes;
    std::string positionalKills;
    std::string sumValues;
    std::string basePool;

    // Range boxes: lower bound, upper bound.
    std::array<std::string, 2> totalTolerance{"0", "0"};
    std::array<std::string, 2> danTolerance{"0", "0"};
    std::array<std::string, 2> positionTolerance{"0", "0"};

    // Check boxes: 0 unticked, 1 ticked, 2 greyed.
    std::array<int, 10> sumTails{};
    std::array<int, 10> spans{};
    std::array<int, 10> universalDigits{};
    std::array<int, 40> positionDigits{}; // 10 * position + digit
    std::array<int, 6> acValues{};        // box k kills the AC value k + 1
    std::array<int, 6> specialShapes{};
    std::array<int, 9> specialExclusions{};
    std::array<int, 16> bigSmallShapes{};
    std::array<int, 16> oddEvenShapes{};
    std::array<int, 16> primeCompositeShapes{};
    std::array<int, 81> roadShapes{};
    int danRepeatCounting = 0;

    // Dan buttons: selected (true) or idle.
    std::array<bool, 40> danDigits{};    // 10 * group + digit
    std::array<bool, 20> danHitCounts{}; // 5 * group + count

    friend bool operator==(const ConditionInputs&, const ConditionInputs&) = default;
};

inline bool isTickedValue(int checkValue)
{
    return checkValue == 1;
}

// One per control, in the order schemes list them.
enum class ControlId : std::uint8_t {
    straightKills,
    junkCompounds,
    killTwoCodes,
    mustTwoCodes,
    killThreeCodes,
    mustThreeCodes,
    positionalKills,
    sumValues,
    basePool,
    totalTolerance,
    danTolerance,
    positionTolerance,
    sumTails,
    spans,
    universalDigits,
    positionDigits,
    acValues,
    specialShapes,
    specialExclusions,
    bigSmallShapes,
    oddEvenShapes,
    primeCompositeShapes,
    roadShapes,
    danRepeatCounting,
    danDigits,
    danHitCounts,
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
    Pages,
    BasePool,
    SumSpanDan,
    Dan,
    Positional,
    Tolerance,
    BigSmallShape,
    OddEvenShape,
    PrimeCompositeShape,
    RoadShape,
    SpecialShape,
    SpecialExclusion,
};
inline constexpr int kFrameCount = 12;

struct ControlMeta {
    ControlId id;
    std::string_view key;
    ControlKind kind;
    std::string_view caption; // what the window and the statistics call it
    Frame frame;
    int page;                                // tab of the paged text conditions, or -1
    std::string_view startText;              // text controls: at start-up and after clearing
    std::string_view help;                   // text boxes: the placeholder; alone it is empty
    std::string_view tip;                    // what it does, shown when the pointer rests on it
    std::string_view clearButton;            // object name of its own 清 button, or empty
    bool keptByClearAll;                     // clearing all conditions leaves it as it is
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
                          int page, std::string_view start, std::string_view help, std::string_view tip,
                          T ConditionInputs::*member, std::string_view clearButton = {})
{
    return {{id, key, kind, caption, frame, page, start, help, tip, clearButton, false, kNone}, member};
}
template <class T>
constexpr Control<T> boxes(ControlId id, std::string_view key, ControlKind kind, std::string_view caption, Frame frame,
                           std::span<const std::string_view> items, std::string_view tip, T ConditionInputs::*member,
                           std::string_view clearButton = {})
{
    return {{id, key, kind, caption, frame, -1, {}, {}, tip, clearButton, false, items}, member};
}
template <class T>
constexpr Control<T> keptByClearAll(Control<T> control)
{
    control.meta.keptByClearAll = true;
    return control;
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
             "填入的单式号码被删除", &C::straightKills),
        text(I::junkCompounds, "T_main_laji_fushi", K::TextBox, "杀垃圾复式", F::Pages, 1, "", help::kJunkCompound,
             "填入的复式（如 12*78*56*89）展开后的号码被删除", &C::junkCompounds),
        text(I::killTwoCodes, "T_main_sha_2ma", K::TextBox, "杀两码组合", F::Pages, 2, "", help::kCodeList,
             "含所填任一两码组合的号码被删除", &C::killTwoCodes),
        text(I::mustTwoCodes, "T_main_bichu_2ma", K::TextBox, "必出两码组合", F::Pages, 2, "", help::kCodeList,
             "只保留至少含所填一个两码组合的号码", &C::mustTwoCodes),
        text(I::killThreeCodes, "T_main_sha_3ma", K::TextBox, "杀3码组合", F::Pages, 3, "", help::kCodeList,
             "含所填任一三码组合的号码被删除", &C::killThreeCodes),
        text(I::mustThreeCodes, "T_main_bichu_3ma", K::TextBox, "必出3码组合", F::Pages, 3, "", help::kCodeList,
             "只保留至少含所填一个三码组合的号码", &C::mustThreeCodes),
        text(I::positionalKills, "T_main_dw_sha", K::TextBox, "定位杀号", F::Pages, 4, "", help::kPositionalKill,
             "按位置填写（如 45**），符合的号码被删除", &C::positionalKills),
        text(I::sumValues, "T_sha_hezhi", K::LineBox, "杀和值", F::SumSpanDan, -1, "", help::kSumValue,
             "四个数字之和为所填和值的号码被删除，和值写两位，如 05.16.27", &C::sumValues, "C_ac_chu_cls"),
        text(I::basePool, "T_dadi_nb", K::TextBox, "大底", F::BasePool, -1, "", help::kBasePool,
             "只在这些号码里缩水：填入大底号码，空着则用全部 10000 注", &C::basePool),
        text(I::totalTolerance, "T_zong_rc", K::Range, "过滤条件总容错", F::Tolerance, -1, help::kTolerance, "",
             "号码不符合的条件个数在这个范围内时仍然保留", &C::totalTolerance),
        text(I::danTolerance, "T_dzu_rc", K::Range, "胆组容错", F::Tolerance, -1, help::kTolerance, "",
             "号码不符合的胆组个数在这个范围内时，胆码条件算作符合", &C::danTolerance),
        text(I::positionTolerance, "T_dw_rc", K::Range, "定位容错", F::Tolerance, -1, help::kTolerance, "",
             "号码在定位杀里被勾中的位置个数在这个范围内时，定位杀算作符合", &C::positionTolerance),
        boxes(I::sumTails, "Check_hewei_sha", K::CheckRow, "杀和尾", F::SumSpanDan, captions::kDigits,
              "和值的个位为勾选数字的号码被删除", &C::sumTails, "C_hewei_sha_cls"),
        boxes(I::spans, "Check_kuadu_sha", K::CheckRow, "杀跨度", F::SumSpanDan, captions::kDigits,
              "最大数字减最小数字为勾选值的号码被删除", &C::spans, "C_kuadu_sha_cls"),
        boxes(I::universalDigits, "Check_tsm_sha", K::CheckRow, "通杀码", F::SumSpanDan, captions::kDigits,
              "含有任一勾选数字的号码被删除", &C::universalDigits, "C_bdw_chu_cls"),
        boxes(I::positionDigits, "Check_hewei_sha1", K::CheckRow, "定位杀", F::Positional, captions::kDigits,
              "勾选的数字在对应位置上出现的号码被删除", &C::positionDigits),
        boxes(I::acValues, "Check_ac_sha", K::CheckRow, "杀AC值", F::SumSpanDan, captions::kAcValues,
              "AC 值为勾选值的号码被删除", &C::acValues, "C_ac_cls"),
        boxes(I::specialShapes, "Check_tebie_paichu1", K::CheckRow, "杀特殊形态", F::SpecialShape,
              captions::kSpecialShapes, "勾选的特殊形态被删除，点“说明”看各形态的意思", &C::specialShapes),
        boxes(I::specialExclusions, "Check_tebie_paichu", K::CheckRow, "特别排除", F::SpecialExclusion,
              captions::kSpecialExclusions, "勾选的号码类型被删除，点“说明”看各类型的意思", &C::specialExclusions),
        boxes(I::bigSmallShapes, "Check_shaxingtai_daxiao", K::CheckRow, "杀大小形态", F::BigSmallShape,
              captions::kBigSmall, "勾选的大小形态（0-4 小，5-9 大）被删除", &C::bigSmallShapes,
              "C_shaxingtai_dx_all(1)"),
        boxes(I::oddEvenShapes, "Check_shaxingtai_jo", K::CheckRow, "杀奇偶形态", F::OddEvenShape, captions::kOddEven,
              "勾选的奇偶形态被删除", &C::oddEvenShapes, "C_shaxingtai_jo_all(1)"),
        boxes(I::primeCompositeShapes, "Check_shaxingtai_zhihe", K::CheckRow, "杀质合形态", F::PrimeCompositeShape,
              captions::kPrimeComposite, "勾选的质合形态（1 2 3 5 7 为质）被删除", &C::primeCompositeShapes,
              "C_shaxingtai_zh_all(1)"),
        boxes(I::roadShapes, "Check_shaxingtai_012", K::CheckRow, "杀012路形态", F::RoadShape, captions::kRoad,
              "勾选的 012 路形态（除以 3 的余数）被删除", &C::roadShapes, "C_shaxingtai_012_all(1)"),
        // Clearing all conditions leaves the way hits are counted alone.
        keptByClearAll(boxes(I::danRepeatCounting, "Check_dm_jchong", K::CheckBox, "胆码计重", F::Dan, kNone,
                             "勾选时一个胆码在号码里出现几次算开出几个，不勾只算一个", &C::danRepeatCounting)),
        boxes(I::danDigits, "C_danzu", K::Toggles, "胆组", F::Dan, captions::kDigits,
              "点一下选为这一组的胆码，再点取消", &C::danDigits),
        boxes(I::danHitCounts, "C_danzu_gs", K::Toggles, "胆码开出个数", F::Dan, captions::kDanCounts,
              "这一组胆码开出的个数，可多选；不选为至少开出 1 个", &C::danHitCounts),
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

// The member of ConditionInputs that control `id` fills.
template <ControlId id>
constexpr auto memberOf()
{
    return std::get<std::size_t(id)>(kControls).member;
}

inline constexpr std::array<ControlMeta, kControlCount> kControlMetas = std::apply(
    [](const auto&... control) { return std::array<ControlMeta, kControlCount>{control.meta...}; }, kControls);

constexpr const ControlMeta& controlMeta(ControlId id)
{
    return kControlMetas[std::size_t(id)];
}

// A text box is empty, and its condition takes no part, when it holds only whitespace
// (space, tab, CR, LF, U+3000) or, trimmed of it, its help text alone.
bool isEmptyBox(std::string_view text, std::string_view help);

// Bytes of text in all the boxes: what decides whether reading them is worth a thread.
std::size_t textBytes(const ConditionInputs& in);

// A box or button of a control array is named like its element on screen: "Check_tsm_sha(7)".
std::string indexedKey(std::string_view key, int index);

} // namespace shrink4
