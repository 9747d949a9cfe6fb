#pragma once

#include <QtGlobal>

// The browser module's entry point, by which the program opens the web-links browser window once it
// has loaded the module: created and loaded on first use, the same window until the user closes it.
extern "C" Q_DECL_EXPORT void zenvortali_openBrowser();
