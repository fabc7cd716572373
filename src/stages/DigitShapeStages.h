#pragma once
// The four digit-shape families: each classifies every digit, writes the classes of
// thousands..units as a four-character code, and kills the codes whose boxes are ticked.
// They differ only by their row of kDigitShapeFamilies.

#include "conditions/ConditionTable.h"
#include "core/NumberSet.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace shrink4 {

struct DigitClass {
    std::string_view digits; // the digits of the class
    std::string_view symbol; // what a digit of the class writes into the code
};

struct DigitShapeFamily {
    ControlId control;                          // the check-box array
    std::array<DigitClass, 3> classes;          // tried in order; unused entries are empty
    std::string_view otherSymbol;               // for a digit in none of the classes
    std::span<const std::string_view> captions; // the box captions in index order
    std::span<const int> (*boxes)(const ConditionInputs&);
};

extern const std::array<DigitShapeFamily, 4> kDigitShapeFamilies;

// The shape code of a number in a family ("大小大小", "0120", ...).
std::string shapeCode(const DigitShapeFamily& family, int value);

// Numbers whose shape code is the caption of one of the ticked boxes.
NumberSet digitShapeFailures(const DigitShapeFamily& family, std::span<const int> boxes);

} // namespace shrink4
