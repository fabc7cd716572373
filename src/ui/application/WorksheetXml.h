#pragma once
// The XML of one worksheet of a workbook: column widths, then the lead lines, the bold
// header and the rows, numbers as numbers and everything else as text that stays text.

#include "ui/application/Workbook.h"

#include <QByteArray>
#include <QStringView>

namespace shrink4 {

// The text without the characters XML 1.0 cannot carry (most control characters, lone
// surrogates, U+FFFE and U+FFFF).
QString xmlCarriable(QStringView text);

// The text as UTF-8 XML character data, also fit for an attribute in double quotes.
QByteArray xmlEscaped(QStringView text);

// The cells' styles, as xl/styles.xml numbers them.
enum CellStyle { PlainStyle = 0, HeaderStyle = 1, TextStyle = 2 };

// selected: the sheet shown when the book opens.
QByteArray worksheetXml(const Sheet& sheet, bool selected);

} // namespace shrink4
