#pragma once
// The names a workbook's tabs can carry: Excel refuses a book whose sheet names are longer
// than 31 characters, hold []:*?/\, start or end with an apostrophe, are empty, are
// "History" or repeat one another (in any case).

#include <QStringList>

namespace shrink4 {

// The wanted names made safe and unique, in order; a name that already is stays as it is.
QStringList sheetNames(const QStringList& wanted);

} // namespace shrink4
