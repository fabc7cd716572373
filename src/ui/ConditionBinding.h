#pragma once
// Reads and writes every condition control as ConditionInputs, by the controls' names.

#include "engine/ConditionInputs.h"

#include <string>
#include <utility>
#include <vector>

namespace shrink4 {

class ControlRegistry;

class ConditionBinding {
public:
    explicit ConditionBinding(const ControlRegistry& controls) : m_controls(controls) {}

    ConditionInputs read() const;
    void write(const ConditionInputs& inputs) const;
    // Writes back the boxes a run rewrote (control name, new text).
    void writeTexts(const std::vector<std::pair<std::string, std::string>>& texts) const;

private:
    const ControlRegistry& m_controls;
};

} // namespace shrink4
