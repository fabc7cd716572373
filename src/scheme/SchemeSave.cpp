#include "SchemeFile.h"

#include "WholeFileWrite.h"

namespace shrink4 {

bool writeSchemeFile(const QString& path, const ConditionInputs& inputs, QString* error, QString* message)
{
    QString reason;
    QString systemReason;
    if (writeWholeFile(path, serializeScheme(inputs), &reason, &systemReason))
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, systemReason);
    if (message)
        *message = QStringLiteral("写入失败：%1：%2").arg(path, reason);
    return false;
}

} // namespace shrink4
