#pragma once
// Random condition inputs for comparing the engine with the reference run, and a compact
// printout of an input that reproduces it as C++ assignments.

#include "conditions/ConditionTable.h"

#include <random>
#include <string>
#include <string_view>

namespace shrink4::reference {

// Every condition of the window is present with some probability; the texts mix valid
// entries with the separators, junk and help texts the stages must tolerate.
ConditionInputs randomInputs(std::mt19937& rng);

// A random text typed into the prize box; candidates are drawn partly from resultText.
std::string randomPrizeTyping(std::mt19937& rng, std::string_view resultText);

// A past-draws text: labelled or not, oldest or newest first, in the line forms players
// paste (full-width digits now and then, any line end), with headers, comments, blank
// lines, repeats and now and then a bad line.
std::string randomDrawsText(std::mt19937& rng, int numberDigits = 4);

// C++ assignments ("in.Name = ...;") for every control that differs from its default.
std::string describeInputs(const ConditionInputs& in);

// A string literal for s with every non-printable-ASCII byte escaped.
std::string cppLiteral(std::string_view s);

} // namespace shrink4::reference
