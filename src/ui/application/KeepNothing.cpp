#include "KeepNothing.h"

#include <atomic>

namespace shrink4 {

namespace {

// Read from the run threads' callers too; set once, before the window opens.
std::atomic<bool> keepingNothing = false;

} // namespace

void keepNothing()
{
    keepingNothing = true;
}

bool keepsNothing()
{
    return keepingNothing;
}

} // namespace shrink4
