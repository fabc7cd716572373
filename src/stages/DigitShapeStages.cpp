#include "DigitShapeStages.h"

#include "StageRows.h"
#include "core/NumberTables.h"
#include "core/TextScan.h"

#include <algorithm>
#include <vector>

namespace shrink4 {

namespace {

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

void captionRow(StageRows& rows, const DigitShapeFamily& family, std::span<const int> boxes)
{
    const auto& sets = captionSets(family);
    tickedRow(rows, family.control, boxes.first(std::min(boxes.size(), sets.size())),
              [&](int k) -> const NumberSet& { return sets[std::size_t(k)]; });
}

void digitShapeStage(const ConditionInputs& in, const DigitShapeFamily& family, StageRows& rows)
{
    captionRow(rows, family, family.boxes(in));
}

} // namespace

const std::array<DigitShapeFamily, 4> kDigitShapeFamilies = {{
    {ControlId::bigSmallShapes,
     {{{"56789", "大"}}},
     "小",
     captions::kBigSmall,
     [](const ConditionInputs& in) { return std::span<const int>(in.bigSmallShapes); }},
    {ControlId::oddEvenShapes,
     {{{"13579", "奇"}}},
     "偶",
     captions::kOddEven,
     [](const ConditionInputs& in) { return std::span<const int>(in.oddEvenShapes); }},
    {ControlId::primeCompositeShapes,
     {{{"12357", "质"}}},
     "合",
     captions::kPrimeComposite,
     [](const ConditionInputs& in) { return std::span<const int>(in.primeCompositeShapes); }},
    {ControlId::roadShapes,
     {{{"0369", "0"}, {"147", "1"}, {"258", "2"}}},
     "",
     captions::kRoad,
     [](const ConditionInputs& in) { return std::span<const int>(in.roadShapes); }},
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
    StageRows rows;
    captionRow(rows, family, boxes);
    return rows.empty() ? NumberSet{} : rows.front().fails;
}

void BigSmallShapeStage(const ConditionInputs& in, StageRows& rows)
{
    digitShapeStage(in, kDigitShapeFamilies[0], rows);
}
void OddEvenShapeStage(const ConditionInputs& in, StageRows& rows)
{
    digitShapeStage(in, kDigitShapeFamilies[1], rows);
}
void PrimeCompositeShapeStage(const ConditionInputs& in, StageRows& rows)
{
    digitShapeStage(in, kDigitShapeFamilies[2], rows);
}
void RoadShapeStage(const ConditionInputs& in, StageRows& rows)
{
    digitShapeStage(in, kDigitShapeFamilies[3], rows);
}

} // namespace shrink4
