// A private home for each test program.
#include "support/TestEnvironment.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>

void IsolateTestEnvironment()
{
    static TempDir home;
    const std::string config = home.File("config");
    const std::string data = home.File("data");
    const std::string runtime = home.File("runtime");
    for (const std::string& dir : {config, data, runtime})
        std::filesystem::create_directories(dir);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("HOME", home.Path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("XDG_STATE_HOME", home.File("state").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}
