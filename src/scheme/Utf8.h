#pragma once
#include <QByteArray>

namespace shrink4 {

// Byte offset of the first byte that breaks UTF-8, or -1 when the whole text is valid.
qsizetype firstInvalidUtf8(const QByteArray& bytes);

} // namespace shrink4
