#pragma once
// Why a scheme was refused, as the window says it: conditions by their captions, places
// as a line and a character, and nothing of the file's inner names.

#include "scheme/SchemeError.h"

#include <QString>

namespace shrink4 {

// One Chinese sentence, without the file's name.
QString schemeErrorText(const SchemeError& error);

} // namespace shrink4
