// The real program on the accessibility bus of a private session bus, read by an assistive
// client: named menu items, toolbar buttons and status panes, the caret line of the text
// view, caret moves and text changes.
#include "E2eSupport.h"

#include <gtest/gtest.h>

namespace {

// What is missing for the check, or empty when everything is there.
std::string MissingTools()
{
    const std::pair<const char*, const char*> needs[] = {
        {"command -v xdotool", "xdotool"},
        {"command -v dbus-run-session", "dbus-run-session (dbus-daemon)"},
        {"test -x /usr/libexec/at-spi-bus-launcher", "at-spi-bus-launcher (at-spi2-core)"},
        {"/usr/bin/python3 -c 'import pyatspi'", "pyatspi (python3-pyatspi)"},
    };
    std::string missing;
    for (const auto& [command, name] : needs)
        if (RunCommand(std::string(command) + " >/dev/null 2>&1") != 0)
            missing += std::string(missing.empty() ? "" : ", ") + name;
    return missing;
}

TEST(Accessibility, ClientReadsNamesAndTextAndHearsCaretAndChanges)
{
    if (const std::string missing = MissingTools(); !missing.empty())
        GTEST_SKIP() << "not installed: " << missing << "; scripts/setup installs them";
    Profile profile;
    MapCyrillicKeys();
    const std::string command = "env HOME='" + profile.home + "' XDG_CONFIG_HOME='" + profile.config
                                + "' XDG_DATA_HOME='" + profile.data + "' XDG_RUNTIME_DIR='"
                                + profile.runtime + "' TMPDIR='" + profile.tmp
                                + "' dbus-run-session -- /usr/bin/python3 '" TW_SOURCE_DIR
                                  "/tests/e2e/atspi_check.py' '" TW_BUILD_DIR "/tagwright' '"
                                + profile.Folder() + "' 2>&1";
    std::string output;
    EXPECT_EQ(RunCommand(command, &output), 0) << output;
}

} // namespace
