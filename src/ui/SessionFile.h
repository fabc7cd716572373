#pragma once
// The conditions as the player left them, kept from one start of the program to the
// next, so that closing the window, or a crash after a run, loses none of them.

#include "conditions/ConditionTable.h"

#include <QString>

#include <optional>

namespace shrink4 {

// session.json in the program's data folder.
QString defaultSessionPath();

// The saved conditions, or none. A missing file is an ordinary first start and says
// nothing; a corrupt one is moved aside to <path>.bad with a one-line warning, so the
// next save does not destroy what someone may still want to look at.
std::optional<ConditionInputs> loadSession(const QString& path);

// Replaces the file whole or not at all, creating its folder. A failure gives a one-line
// warning and false.
bool saveSession(const QString& path, const ConditionInputs& inputs);

} // namespace shrink4
