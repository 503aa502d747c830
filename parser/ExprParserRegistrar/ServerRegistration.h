#pragma once
// Calls a component library's self-registration entry point. Nothing in the
// program uses these; they are kept for plug-in authors' installers.

#include <string>

namespace exprparser {

// Loads the library, calls its DllRegisterServer and returns true when that
// reports success (a non-negative result). A library that does not load, or
// lacks the entry point, gives false.
bool registerServerLibrary(const std::u16string& libraryFile);
// The same with DllUnregisterServer.
bool unregisterServerLibrary(const std::u16string& libraryFile);

}  // namespace exprparser
