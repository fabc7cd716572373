#pragma once
// Scheme files: every condition control of the main window as one JSON object,
// {"shrink4-scheme": 1, "controls": {name: value, ...}}.

#include "SchemeError.h"
#include "conditions/ConditionTable.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace shrink4 {

struct SchemeResult {
    std::optional<ConditionInputs> inputs; // set on success
    QString error;                         // names the key or position on failure, in English
    SchemeError fault;                     // the same in parts, for the window to word
};

// Controls the file does not name keep their start-up state. Any error leaves nothing
// half-applied: the result then holds no inputs.
SchemeResult parseScheme(const QByteArray& bytes);
// The same, freeing the bytes as soon as they are no longer needed (large schemes).
SchemeResult parseScheme(QByteArray&& bytes);

// Writes every control, so a saved scheme reopens to exactly the same conditions.
QByteArray serializeScheme(const ConditionInputs& inputs);

// Reads only a regular file of at most 256 MB.
SchemeResult readSchemeFile(const QString& path);
// Writes through a save file: the old file stays whole unless the new one is complete.
// error gets one English line, message the same in Chinese.
bool writeSchemeFile(const QString& path, const ConditionInputs& inputs, QString* error, QString* message = nullptr);

} // namespace shrink4
