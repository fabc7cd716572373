#pragma once
// The conditions as the player left them, and the last result, kept from one start of
// the program to the next, so that closing the window, or a crash after a run, loses
// none of them.

#include "conditions/ConditionTable.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace shrink4 {

// session.json in the program's data folder.
QString defaultSessionPath();

struct SessionReading {
    std::optional<ConditionInputs> inputs; // none: nothing kept, or nothing readable
    QString problem;                       // in Chinese with the path, when a file was there but unusable
};

// The saved conditions. A missing file is an ordinary first start and says nothing; a
// file that cannot be used (corrupt, too large, not a file) is moved aside to
// <path>.bad, so the next save does not destroy what someone may still want (unless this
// window keeps nothing: see KeepNothing.h, which makes the saves below write nothing too).
SessionReading loadSession(const QString& path);

// Moves an unusable file to <path>.bad, replacing an older one there, and says so in a
// line to add to the message (nothing where the window keeps nothing).
QString setAsideAsBad(const QString& path);

// Replaces the file whole or not at all, creating its folder. On failure *problem says
// why, in Chinese with the path.
bool saveSession(const QString& path, const ConditionInputs& inputs, QString* problem);

// The last result: the conditions it was run with, when, and whether it was turned into
// group forms; kept in last-result.json beside the session.
struct KeptResult {
    ConditionInputs conditions;
    QDateTime ranAt;
    bool groupForms = false;
};

QString lastResultPath(const QString& sessionPath);
std::optional<KeptResult> loadLastResult(const QString& path);
bool saveLastResult(const QString& path, const std::optional<KeptResult>& result, QString* problem);

} // namespace shrink4
