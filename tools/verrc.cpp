// verrc: compiles the VERSIONINFO statement of a resource script into the
// binary version-information block.
//
//   verrc [--block FILE] [--source FILE [--section NAME]] SCRIPT
//
// --block writes the block as it is; --source writes C++ source that places
// it in an ELF section (default ".version_resource") of the file it is
// compiled into.
#include "VersionScript.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr const char* kDefaultSection = ".version_resource";

struct Options {
    std::string script;
    std::string blockFile;
    std::string sourceFile;
    std::string section = kDefaultSection;
};

bool parseArguments(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--block" && hasValue)
            options.blockFile = argv[++i];
        else if (arg == "--source" && hasValue)
            options.sourceFile = argv[++i];
        else if (arg == "--section" && hasValue)
            options.section = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && options.script.empty())
            options.script = arg;
        else
            return false;
    }
    return !options.script.empty() && (!options.blockFile.empty() || !options.sourceFile.empty());
}

bool readFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return !in.bad();
}

bool writeFile(const std::string& path, const char* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        std::remove(path.c_str());
        return false;
    }
    return true;
}

std::string fileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseArguments(argc, argv, options)) {
        std::cerr << "usage: verrc [--block FILE] [--source FILE [--section NAME]] SCRIPT\n";
        return 2;
    }
    std::string script;
    if (!readFile(options.script, script)) {
        std::cerr << options.script << ": cannot read the script\n";
        return 1;
    }
    std::vector<std::uint8_t> block;
    try {
        block = hygrel::verrc::buildVersionBlock(hygrel::verrc::parseVersionScript(script));
    } catch (const hygrel::verrc::ScriptError& error) {
        std::cerr << options.script << ":" << error.line() << ": error: " << error.what() << "\n";
        return 1;
    }
    if (!options.blockFile.empty() &&
        !writeFile(options.blockFile, reinterpret_cast<const char*>(block.data()), block.size())) {
        std::cerr << options.blockFile << ": cannot write the block\n";
        return 1;
    }
    if (!options.sourceFile.empty()) {
        const std::string source =
            hygrel::verrc::blockAsSource(block, options.section, fileNameOf(options.script));
        if (!writeFile(options.sourceFile, source.data(), source.size())) {
            std::cerr << options.sourceFile << ": cannot write the source\n";
            return 1;
        }
    }
    return 0;
}
