#pragma once
// A window opened while another holds the data folder shows what is kept there but keeps
// nothing itself: no session, last result, draws or settings are written, so that the
// window holding the folder stays the only one writing it.

namespace shrink4 {

// From now on, for the rest of the program. Writes of what is kept succeed without
// touching any file.
void keepNothing();
bool keepsNothing();

} // namespace shrink4
