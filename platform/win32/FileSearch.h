// Finds the file that a bare file name stands for, the way the loader would
// look for a library (see WinVer.h for the order).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hygrel::win32 {

// The directories searched for a bare name, in order; duplicates removed.
std::vector<std::string> fileSearchDirectories();

// `name` itself when it contains a '/'; otherwise the path of the first
// regular file called `name` in the search directories. Empty when there is
// none.
std::string findFileOnSearchPath(std::string_view name);

} // namespace hygrel::win32
