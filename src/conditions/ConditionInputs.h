#pragma once
// The state of every condition control of the main window, as plain values. Text is
// UTF-8 with CR LF line breaks; a check value is ticked only when it is exactly 1; a dan
// button is selected when true. ConditionTable.h says which control fills each member.

#include <array>
#include <string>

namespace shrink4 {

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

inline bool isTickedValue(int checkValue) { return checkValue == 1; }

} // namespace shrink4
