#pragma once

namespace workbench {

// Opens the web-links browser. The window and the web engine under it live in a module loaded on the
// first open, so a session that never browses never carries the engine. When the module cannot be
// loaded the user is told why, and the program goes on without it.
void openBrowser();

// A program that links the browser window in (a test) gives its entry point here, and the module is
// not loaded; nullptr goes back to loading it.
void setBrowserEntry(void (*open)());

} // namespace workbench
