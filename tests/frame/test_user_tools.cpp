// User tools without a display: the defaults a new user gets, the records in the settings,
// and the command line a tool runs with the document's folder and the settings file filled in.
#include "frame/core/UserTools.h"
#include "settings/core/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::vector<std::string> Names(const std::vector<UserTool>& tools)
{
    std::vector<std::string> names;
    for (const UserTool& tool : tools)
        names.push_back(tool.name + "=" + tool.command);
    return names;
}

TEST(UserToolsTest, DefaultsFollowWhatIsInstalled)
{
    struct Case {
        std::set<std::string> installed;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        // The desktop's chosen terminal wins over the others; a calculator only when one is there.
        {{"x-terminal-emulator", "xterm", "gnome-calculator"},
         {"Terminal=x-terminal-emulator", "Calculator=gnome-calculator", "File Manager=xdg-open",
          "Settings File=$(Tagwright)"}},
        {{"xterm", "kcalc", "galculator"},
         {"Terminal=xterm", "Calculator=kcalc", "File Manager=xdg-open",
          "Settings File=$(Tagwright)"}},
        // Nothing installed: the terminal still appears and will say it is missing.
        {{},
         {"Terminal=x-terminal-emulator", "File Manager=xdg-open", "Settings File=$(Tagwright)"}},
    };
    for (const Case& c : cases) {
        const auto tools = DefaultUserTools(
            [&](std::string_view p) { return c.installed.count(std::string(p)) > 0; });
        EXPECT_EQ(Names(tools), c.expected);
    }
}

TEST(UserToolsTest, RecordsRoundTripThroughTheSettingsAndIncompleteOnesAreLeftOut)
{
    MemorySettingsStore store;
    EXPECT_TRUE(ReadUserTools(store).empty());
    std::vector<UserTool> tools;
    for (int i = 0; i < kMaxUserTools + 2; ++i)
        tools.push_back(
            {"Tool " + std::to_string(i), "prog" + std::to_string(i), "-a \"b c\"", "/tmp"});
    ASSERT_TRUE(WriteUserTools(store, tools));
    EXPECT_EQ(store.ReadNumber(kUserToolsKey, "Count", -1), kMaxUserTools);
    tools.resize(kMaxUserTools);
    EXPECT_EQ(ReadUserTools(store), tools);

    // A record the user emptied by hand does not become a nameless menu item.
    store.WriteString(kUserToolsKey, "Command3", "");
    store.WriteString(kUserToolsKey, "Name5", "");
    EXPECT_EQ(ReadUserTools(store).size(), static_cast<size_t>(kMaxUserTools - 2));
    // A count beyond the limit reads no more than the limit.
    store.WriteNumber(kUserToolsKey, "Count", 1000);
    EXPECT_LE(ReadUserTools(store).size(), static_cast<size_t>(kMaxUserTools));
}

TEST(UserToolsTest, ResolvingFillsInTheDocumentAndKeepsQuotedPartsWhole)
{
    const ToolContext withDoc{"/home/u/my pages/index.html", "/home/u", "/home/u/.config/t.ini"};
    const ToolContext untitled{"", "/home/u", "/cfg.ini"};
    const ToolContext oddNames{"/w/$(FilePath)/$(FileDir).html", "/home/u", "/c/$(FileDir).ini"};
    struct Case {
        UserTool tool;
        const ToolContext* context;
        std::string program;
        std::vector<std::string> arguments;
        std::string folder;
        bool inThisEditor;
    };
    const Case cases[] = {
        {{"T", "xterm", "", "$(FileDir)"}, &withDoc, "xterm", {}, "/home/u/my pages", false},
        // The folder with a space stays one argument; the folder defaults to the document's.
        {{"F", "xdg-open", "\"$(FileDir)\"", ""},
         &withDoc,
         "xdg-open",
         {"/home/u/my pages"},
         "/home/u/my pages",
         false},
        {{"E", "wc", "-l $(FilePath)  --x", "/tmp"},
         &withDoc,
         "wc",
         {"-l", "/home/u/my pages/index.html", "--x"},
         "/tmp",
         false},
        // Without a document file the home folder stands in.
        {{"T", "xterm", "", "$(FileDir)"}, &untitled, "xterm", {}, "/home/u", false},
        {{"S", "$(Tagwright)", "\"$(SettingsFile)\"", ""},
         &untitled,
         "",
         {"/cfg.ini"},
         "/home/u",
         true},
        {{"Q", "prog", "\"\" a\"b c\"d", ""}, &untitled, "prog", {"", "ab cd"}, "/home/u", false},
        // Names that hold the words themselves reach the tool as they are: each word is
        // replaced once, from left to right.
        {{"N", "ls", "$(FileDir)/x $(FilePath)", "$(FileDir)"},
         &oddNames,
         "ls",
         {"/w/$(FilePath)/x", "/w/$(FilePath)/$(FileDir).html"},
         "/w/$(FilePath)",
         false},
        {{"S", "$(Tagwright)", "$(SettingsFile)$(FileDir)", ""},
         &oddNames,
         "",
         {"/c/$(FileDir).ini/w/$(FilePath)"},
         "/w/$(FilePath)",
         true},
    };
    for (const Case& c : cases) {
        const ToolLaunch launch = ResolveUserTool(c.tool, *c.context);
        EXPECT_EQ(launch.program, c.program) << c.tool.arguments;
        EXPECT_EQ(launch.arguments, c.arguments) << c.tool.arguments;
        EXPECT_EQ(launch.folder, c.folder) << c.tool.arguments;
        EXPECT_EQ(launch.inThisEditor, c.inThisEditor) << c.tool.arguments;
    }
}

TEST(UserToolsTest, ArgumentsSplitAsAShellSplitsWords)
{
    const struct {
        const char* text;
        std::vector<std::string> words;
    } cases[] = {
        {"", {}},
        {"  a \t b\n", {"a", "b"}},
        {"\"my pages\" x", {"my pages", "x"}},
        {"'my pages' x", {"my pages", "x"}},
        {"my\\ pages", {"my pages"}},
        {"\"\" ''", {"", ""}},              // empty words are words
        {"a\"b c\"d", {"ab cd"}},           // quotes join a word's parts
        {"'a \"b\" \\n'", {"a \"b\" \\n"}}, // nothing is special in single quotes
        {"\"say \\\"hi\\\" \\\\ \\$HOME \\n\"", {"say \"hi\" \\ $HOME \\n"}}, // in double quotes
        {"\\\"a\\\" \\'b", {"\"a\"", "'b"}},
        {"it\\'s \"it's\"", {"it's", "it's"}},
        {"$HOME *.html >out", {"$HOME", "*.html", ">out"}}, // no shell expands these
        {"\"open to the end", {"open to the end"}},
        {"'open", {"open"}},
        {"end\\", {"end\\"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitToolArguments(c.text), c.words) << c.text;
}

} // namespace
