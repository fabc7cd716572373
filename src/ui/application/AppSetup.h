#pragma once
// What the program sets up before its first window: its names (which place its settings
// and data) and Qt's own texts in Chinese.

namespace shrink4 {

// Call once, after the application object exists. False when Qt's Chinese translations
// are not installed (its standard buttons then stay in English).
bool setUpApplication();

} // namespace shrink4
