#pragma once
// A hidden window acts on no input. Keys, clicks, wheel turns and shortcuts
// still queued for a window that has just been hidden (a person typing or
// clicking faster than the windows come and go) are dropped, so they cannot
// open a lesson from a hidden menu or press a hidden lesson's Menu button:
// exactly one window stays visible. Likewise a window still answering a
// close request takes no second one.

namespace kavenor {

// Installs the guard on the application, once; later calls do nothing.
void InstallInputGuard();

}  // namespace kavenor
