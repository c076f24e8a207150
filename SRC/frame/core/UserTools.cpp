// User tools: settings layout, defaults and the command line of a tool.
#include "frame/core/UserTools.h"

#include "settings/core/SettingsStore.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

std::string Field(std::string_view name, int index)
{
    return std::string(name) + std::to_string(index);
}

struct Word {
    std::string_view word;
    const std::string& value;
};

// Replaces the words in one pass from left to right: a value is never searched for words
// again, so a folder whose name holds a word stays as it is.
std::string ExpandWords(std::string_view text, std::initializer_list<Word> words)
{
    std::string out;
    for (size_t at = 0; at < text.size();) {
        const auto word = std::find_if(words.begin(), words.end(), [&](const Word& w) {
            return text.substr(at).starts_with(w.word);
        });
        if (word == words.end()) {
            out += text[at++];
        } else {
            out += word->value;
            at += word->word.size();
        }
    }
    return out;
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted.append(text);
    quoted.push_back('"');
    return quoted;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace

std::vector<UserTool> ReadUserTools(const SettingsStore& store)
{
    std::vector<UserTool> tools;
    const int count = store.ReadNumber(kUserToolsKey, "Count", 0);
    for (int i = 0; i < count && i < kMaxUserTools; ++i) {
        UserTool tool{store.ReadString(kUserToolsKey, Field("Name", i)),
                      store.ReadString(kUserToolsKey, Field("Command", i)),
                      store.ReadString(kUserToolsKey, Field("Arguments", i)),
                      store.ReadString(kUserToolsKey, Field("Folder", i))};
        if (!tool.name.empty() && !tool.command.empty())
            tools.push_back(std::move(tool));
    }
    return tools;
}

bool WriteUserTools(SettingsStore& store, const std::vector<UserTool>& tools)
{
    const int count = static_cast<int>(std::min<size_t>(tools.size(), kMaxUserTools));
    bool written = store.WriteNumber(kUserToolsKey, "Count", count);
    for (int i = 0; i < count; ++i) {
        const UserTool& tool = tools[static_cast<size_t>(i)];
        written = store.WriteString(kUserToolsKey, Field("Name", i), tool.name) && written;
        written = store.WriteString(kUserToolsKey, Field("Command", i), tool.command) && written;
        written =
            store.WriteString(kUserToolsKey, Field("Arguments", i), tool.arguments) && written;
        written = store.WriteString(kUserToolsKey, Field("Folder", i), tool.folder) && written;
    }
    return written;
}

std::vector<UserTool> DefaultUserTools(const ProgramFinder& installed)
{
    // The desktop's chosen terminal first, then the common ones; without any the tool still
    // appears and says what is missing when started.
    static constexpr std::array<std::string_view, 6> kTerminals = {
        "x-terminal-emulator", "gnome-terminal", "konsole",
        "xfce4-terminal",      "lxterminal",     "xterm"};
    static constexpr std::array<std::string_view, 5> kCalculators = {
        "gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"};

    std::string terminal(kTerminals.front());
    for (std::string_view candidate : kTerminals)
        if (installed(candidate)) {
            terminal = candidate;
            break;
        }
    std::vector<UserTool> tools;
    tools.push_back({"Terminal", terminal, {}, std::string(kToolFileDir)});
    for (std::string_view candidate : kCalculators)
        if (installed(candidate)) {
            tools.push_back({"Calculator", std::string(candidate), {}, {}});
            break;
        }
    // The desktop's default opener shows a folder in its file manager.
    tools.push_back({"File Manager", "xdg-open", Quoted(kToolFileDir), {}});
    tools.push_back({"Settings File", std::string(kToolThisEditor), Quoted(kToolSettingsFile), {}});
    return tools;
}

std::vector<std::string> SplitToolArguments(std::string_view text)
{
    std::vector<std::string> words;
    std::string current;
    bool inWord = false; // also for a word made of quotes alone
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inWord)
                words.push_back(std::move(current));
            current.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\\') {
            if (i + 1 < text.size())
                ++i;
            current += text[i]; // a backslash at the very end stays itself
        } else if (c == '\'') {
            const size_t close = text.find('\'', i + 1);
            const size_t end = close == std::string_view::npos ? text.size() : close;
            current.append(text.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '"') {
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size()
                    && std::string_view("\"\\$`").find(text[i + 1]) != std::string_view::npos)
                    ++i;
                current += text[i];
            }
        } else {
            current += c;
        }
    }
    if (inWord)
        words.push_back(std::move(current));
    return words;
}

ToolLaunch ResolveUserTool(const UserTool& tool, const ToolContext& context)
{
    std::string folder = FolderOf(context.documentPath);
    if (folder.empty())
        folder = context.homeFolder;
    const auto expand = [&](const std::string& text) {
        return ExpandWords(text, {{kToolFileDir, folder},
                                  {kToolFilePath, context.documentPath},
                                  {kToolSettingsFile, context.settingsFile}});
    };
    ToolLaunch launch;
    launch.inThisEditor = tool.command == kToolThisEditor;
    launch.program = launch.inThisEditor ? std::string() : expand(tool.command);
    // Words are replaced in each argument after the split, so a folder with spaces stays one.
    for (std::string& argument : SplitToolArguments(tool.arguments))
        launch.arguments.push_back(expand(std::move(argument)));
    launch.folder = tool.folder.empty() ? folder : expand(tool.folder);
    return launch;
}
