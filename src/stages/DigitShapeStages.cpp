#include "DigitShapeStages.h"

#include "Stages.h"
#include "engine/NumberTables.h"
#include "engine/RunState.h"
#include "engine/TextScan.h"

#include <algorithm>
#include <vector>

namespace shrink4 {

namespace {

constexpr std::string_view kBigSmallCaptions[16] = {
    "大大大大", "大大小大", "大小大大", "大小小大", "小大大大", "小大小大", "小小大大", "小小小大",
    "大大大小", "大大小小", "大小大小", "大小小小", "小大大小", "小大小小", "小小大小", "小小小小"};
constexpr std::string_view kOddEvenCaptions[16] = {
    "奇奇奇奇", "奇奇偶奇", "奇偶奇奇", "奇偶偶奇", "偶奇奇奇", "偶奇偶奇", "偶偶奇奇", "偶偶偶奇",
    "奇奇奇偶", "奇奇偶偶", "奇偶奇偶", "奇偶偶偶", "偶奇奇偶", "偶奇偶偶", "偶偶奇偶", "偶偶偶偶"};
constexpr std::string_view kPrimeCompositeCaptions[16] = {
    "质质质质", "质质合质", "质合质质", "质合合质", "合质质质", "合质合质", "合合质质", "合合合质",
    "质质质合", "质质合合", "质合质合", "质合合合", "合质质合", "合质合合", "合合质合", "合合合合"};
constexpr std::string_view kRoadCaptions[81] = {
    "0000", "0100", "0200", "1000", "1100", "1200", "2000", "2100", "2200", "2101", "2001", "1201",
    "1101", "1001", "0201", "0101", "0001", "2201", "2102", "2002", "1202", "1102", "1002", "0202",
    "0102", "0002", "2202", "2110", "2010", "1210", "1110", "1010", "0210", "0110", "0010", "2210",
    "2111", "2011", "1211", "1111", "1011", "0211", "0111", "0011", "2211", "2112", "2012", "1212",
    "1112", "1012", "0212", "0112", "0012", "2212", "2120", "2020", "1220", "1120", "1020", "0220",
    "0120", "0020", "2220", "2121", "2021", "1221", "1121", "1021", "0221", "0121", "0021", "2221",
    "2122", "2022", "1222", "1122", "1022", "0222", "0122", "0022", "2222"};

// For each caption of a family, the numbers whose shape code it is.
std::vector<NumberSet> buildCaptionSets(const DigitShapeFamily& family)
{
    std::vector<NumberSet> sets(family.captions.size());
    for (int v = 0; v < kNumberCount; ++v) {
        const auto code = shapeCode(family, v);
        for (std::size_t k = 0; k < family.captions.size(); ++k)
            if (family.captions[k] == code)
                sets[k].set(v);
    }
    return sets;
}

const std::vector<NumberSet>& captionSets(const DigitShapeFamily& family)
{
    static const auto all = [] {
        std::array<std::vector<NumberSet>, 4> s;
        for (std::size_t f = 0; f < s.size(); ++f)
            s[f] = buildCaptionSets(kDigitShapeFamilies[f]);
        return s;
    }();
    return all[std::size_t(&family - kDigitShapeFamilies.data())];
}

std::optional<NumberSet> captionUnion(const DigitShapeFamily& family, std::span<const int> boxes)
{
    const auto& sets = captionSets(family);
    return tickedUnion(boxes.first(std::min(boxes.size(), sets.size())), [&](int k) { return sets[std::size_t(k)]; });
}

void digitShapeStage(RunState& run, const DigitShapeFamily& family)
{
    run.failCondition(captionUnion(family, family.boxes(run.inputs)));
}

} // namespace

const std::array<DigitShapeFamily, 4> kDigitShapeFamilies = {{
    {"Check_shaxingtai_daxiao", "杀大小形态", {{{"56789", "大"}}}, "小", kBigSmallCaptions,
     [](const ConditionInputs& in) { return std::span<const int>(in.Check_shaxingtai_daxiao); }},
    {"Check_shaxingtai_jo", "杀奇偶形态", {{{"13579", "奇"}}}, "偶", kOddEvenCaptions,
     [](const ConditionInputs& in) { return std::span<const int>(in.Check_shaxingtai_jo); }},
    {"Check_shaxingtai_zhihe", "杀质合形态", {{{"12357", "质"}}}, "合", kPrimeCompositeCaptions,
     [](const ConditionInputs& in) { return std::span<const int>(in.Check_shaxingtai_zhihe); }},
    {"Check_shaxingtai_012", "杀012路形态", {{{"0369", "0"}, {"147", "1"}, {"258", "2"}}}, "", kRoadCaptions,
     [](const ConditionInputs& in) { return std::span<const int>(in.Check_shaxingtai_012); }},
}};

std::string shapeCode(const DigitShapeFamily& family, int value)
{
    std::string code;
    for (auto digit : digitTable()[std::size_t(value)]) {
        const char text[1] = {char('0' + digit)};
        std::string_view symbol = family.otherSymbol;
        for (const auto& cls : family.classes)
            if (!cls.digits.empty() && contains(cls.digits, std::string_view(text, 1))) {
                symbol = cls.symbol;
                break;
            }
        code += symbol;
    }
    return code;
}

NumberSet digitShapeFailures(const DigitShapeFamily& family, std::span<const int> boxes)
{
    return captionUnion(family, boxes).value_or(NumberSet{});
}

void BigSmallShapeStage(RunState& run) { digitShapeStage(run, kDigitShapeFamilies[0]); }
void OddEvenShapeStage(RunState& run) { digitShapeStage(run, kDigitShapeFamilies[1]); }
void PrimeCompositeShapeStage(RunState& run) { digitShapeStage(run, kDigitShapeFamilies[2]); }
void RoadShapeStage(RunState& run) { digitShapeStage(run, kDigitShapeFamilies[3]); }

} // namespace shrink4
