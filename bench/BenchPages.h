// The pages the view benchmarks work on: a private folder (in memory where /dev/shm exists)
// and HTML pages written into it by tw-genhtml, which is built beside the benchmarks.
#pragma once

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

inline std::unique_ptr<QTemporaryDir> BenchFolder(const std::string& program)
{
    if (!std::filesystem::is_directory("/dev/shm"))
        return std::make_unique<QTemporaryDir>();
    return std::make_unique<QTemporaryDir>(
        QString::fromStdString("/dev/shm/" + program + "-XXXXXX"));
}

// A page of the given number of lines in folder; the program ends when it cannot be written.
inline std::string GeneratePage(const std::string& self, const std::string& folder, long lines)
{
    const std::filesystem::path program = std::filesystem::absolute(self);
    const std::string out = folder + "/page" + std::to_string(lines) + ".html";
    const std::string command = (program.parent_path() / "tw-genhtml").string() + " --lines "
                                + std::to_string(lines) + " " + out;
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "%s: %s failed\n", program.filename().c_str(), command.c_str());
        std::exit(1);
    }
    return out;
}
