#include "win32/FileSearch.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef HYGREL_MULTIARCH
#if defined(__x86_64__)
#define HYGREL_MULTIARCH "x86_64-linux-gnu"
#elif defined(__aarch64__)
#define HYGREL_MULTIARCH "aarch64-linux-gnu"
#elif defined(__i386__)
#define HYGREL_MULTIARCH "i386-linux-gnu"
#else
#define HYGREL_MULTIARCH ""
#endif
#endif

namespace hygrel::win32 {
namespace {

std::string directoryOf(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {};
    return std::string(path.substr(0, slash == 0 ? 1 : slash));
}

std::string programDirectory()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    return directoryOf(std::string_view(path, static_cast<std::size_t>(length)));
}

// The module this code is linked into: the program itself, or the shared
// library that carries a copy of it.
std::string ownModuleDirectory()
{
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&ownModuleDirectory), &info) == 0 || info.dli_fname == nullptr)
        return {};
    return directoryOf(info.dli_fname);
}

void appendPathList(std::vector<std::string>& dirs, const char* list)
{
    if (list == nullptr)
        return;
    std::string_view rest(list);
    while (!rest.empty()) {
        const std::size_t separator = rest.find_first_of(":;");
        const std::string_view entry = rest.substr(0, separator);
        if (!entry.empty())
            dirs.emplace_back(entry);
        if (separator == std::string_view::npos)
            break;
        rest.remove_prefix(separator + 1);
    }
}

void appendStandardDirectories(std::vector<std::string>& dirs)
{
    const std::string multiarch = HYGREL_MULTIARCH;
    for (const char* base : {"/usr/local/lib", "/lib", "/usr/lib"}) {
        if (!multiarch.empty())
            dirs.push_back(std::string(base) + "/" + multiarch);
        dirs.emplace_back(base);
    }
    dirs.emplace_back("/lib64");
    dirs.emplace_back("/usr/lib64");
}

bool isRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

std::vector<std::string> fileSearchDirectories()
{
    std::vector<std::string> dirs;
    dirs.push_back(programDirectory());
    dirs.push_back(ownModuleDirectory());
    appendPathList(dirs, std::getenv("LD_LIBRARY_PATH"));
    appendStandardDirectories(dirs);
    std::vector<std::string> unique;
    for (auto& dir : dirs) {
        if (!dir.empty() && std::find(unique.begin(), unique.end(), dir) == unique.end())
            unique.push_back(std::move(dir));
    }
    return unique;
}

std::string findFileOnSearchPath(std::string_view name)
{
    if (name.empty() || name.size() >= PATH_MAX)
        return {};
    if (name.find('/') != std::string_view::npos)
        return std::string(name);
    for (const std::string& dir : fileSearchDirectories()) {
        std::string candidate = dir == "/" ? "/" : dir + "/";
        candidate += name;
        if (isRegularFile(candidate))
            return candidate;
    }
    return {};
}

} // namespace hygrel::win32
