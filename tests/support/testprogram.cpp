#include "testprogram.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace kvtest {

namespace {

std::map<std::string, Runner> &registry()
{
    static std::map<std::string, Runner> tests;
    return tests;
}

std::string baseName(const char *path)
{
    std::string name(path);
    if (const auto slash = name.find_last_of('/'); slash != std::string::npos)
        name.erase(0, slash + 1);
    if (const auto dot = name.find('.'); dot != std::string::npos)
        name.erase(dot);
    return name;
}

int usage(const char *program)
{
    std::fprintf(stderr, "usage: %s TEST [test library arguments...]\ntests:\n", program);
    for (const auto &test : registry())
        std::fprintf(stderr, "  %s\n", test.first.c_str());
    return 2;
}

} // namespace

bool registerTest(const char *sourceFile, Runner run)
{
    return registry().emplace(baseName(sourceFile), run).second;
}

} // namespace kvtest

int main(int argc, char *argv[])
{
    if (argc < 2)
        return kvtest::usage(argv[0]);
    const auto test = kvtest::registry().find(argv[1]);
    if (test == kvtest::registry().end()) {
        std::fprintf(stderr, "%s: no test named %s\n", argv[0], argv[1]);
        return kvtest::usage(argv[0]);
    }
    // The test sees the program's name followed by its own arguments.
    std::vector<char *> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    arguments.push_back(nullptr);
    int count = argc - 1;
    return test->second(count, arguments.data());
}
