#pragma once
// Where the characters a reader sees begin. A surrogate pair, a letter with its combining
// marks or an emoji sequence is one character on screen, and the cursor steps over it
// whole. Only the neighbourhood of a position is examined, never the whole text.

#include <QString>

namespace shrink4 {

bool isGraphemeBoundary(const QString& text, int position);
// The boundary after / before `position`; at the end / start of the text, that end.
int nextGraphemeBoundary(const QString& text, int position);
int previousGraphemeBoundary(const QString& text, int position);

} // namespace shrink4
