#pragma once
// The words for a draws layout: the roles a column can have, the digit counts, the four
// digits taken, and the one line that names the layout in force.

#include "engine/DrawsLayout.h"

#include <QString>
#include <QStringList>

namespace shrink4::texts {

inline const QString kImportSettings = QStringLiteral("导入设置(&L)…");
inline const QString kResetLayout = QStringLiteral("还原读法");
// A column's role as the preview offers it; kAutoRole means the line is not read by columns.
inline const QString kAutoRole = QStringLiteral("自动");
inline const QStringList kRoleCaptions = {QStringLiteral("不用"), QStringLiteral("期号"), QStringLiteral("号码")};

// "五位", and "%1 位" past seven.
QString digitsName(int digits);

// The four digits taken from `digits`, starting at the 0-based `from`: "前四", "后四",
// "第2–5位"; "四位全取" when there are only four.
QString takeCaption(int from, int digits);

// "读法：第1列期号、第3列号码，五位取后四"; empty for the automatic reading.
QString layoutText(const DrawsLayout& layout);

} // namespace shrink4::texts
