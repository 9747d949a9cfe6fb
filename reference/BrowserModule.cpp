#include "reference/BrowserModule.h"

#include "reference/browser.h"

void zenvortali_openBrowser() { forms::instance<browser>().Show(); }
