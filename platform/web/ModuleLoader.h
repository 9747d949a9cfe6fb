#pragma once

#include <QString>

namespace web {

// Windows that show web pages live in modules of their own, kept in the program's module folder, so
// a session that never opens one never loads the web engine and the graphics stack under it.
//
// A module takes the program's own code from the executable that loads it (the executable exports
// it), so there is one copy of every window registry and setting. loadModule loads the named module
// with every symbol resolved at once, so a module that does not fit this program is refused here
// instead of failing in the middle of a call, and returns the function it exports as entryPoint.
// Loading a loaded module again only finds it. On failure it returns nullptr and says why in error.
using EntryPoint = void (*)();
EntryPoint loadModule(const QString& name, const char* entryPoint, QString& error);

// Where modules are loaded from: the executable's folder's ../lib/zenvortali, in the build tree as in
// the installed one. Tests point it elsewhere; an empty folder restores that default.
QString moduleFolder();
void setModuleFolder(const QString& folder);

} // namespace web
