#pragma once
// Scheme files as the window opens and saves them: anything that is not an ordinary scheme
// file is turned away before it is read, and every failure comes back as one Chinese
// sentence naming the file.

#include "conditions/ConditionTable.h"

#include <QString>

#include <optional>

namespace shrink4 {

// Far beyond any scheme: a larger file would only be read into memory to be refused.
inline constexpr qint64 kMaxSchemeBytes = 256LL * 1024 * 1024;

struct SchemeOpening {
    std::optional<ConditionInputs> inputs; // set on success
    QString message;                       // "读取失败：<path>：<reason>" otherwise
};

SchemeOpening openSchemeChecked(const QString& path);

// Replaces the file whole or not at all; on failure *message is "保存失败：<path>：<reason>".
bool saveSchemeChecked(const QString& path, const ConditionInputs& inputs, QString* message);

} // namespace shrink4
