// The user-defined tools of the Tools menu: the records, where the settings keep them, the
// defaults for a desktop that has no list yet, and the command line a tool runs.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class SettingsStore;

inline constexpr std::string_view kUserToolsKey = "Settings/Tools";
inline constexpr int kMaxUserTools = 10;

// Words that a tool's command, arguments and folder may hold; they stand for the active
// document and the program at the moment the tool starts.
inline constexpr std::string_view kToolFileDir = "$(FileDir)";   // the document's folder
inline constexpr std::string_view kToolFilePath = "$(FilePath)"; // the document's full path
inline constexpr std::string_view kToolSettingsFile = "$(SettingsFile)";
// As a command: open the arguments as documents in this editor.
inline constexpr std::string_view kToolThisEditor = "$(Tagwright)";

struct UserTool {
    std::string name;
    std::string command;   // a program name found on the search path, or a full path
    std::string arguments; // split as a shell splits words (see SplitToolArguments)
    std::string folder;    // the working folder; empty for the document's folder

    bool operator==(const UserTool&) const = default;
};

// At most kMaxUserTools records; a record without a name or a command is left out.
std::vector<UserTool> ReadUserTools(const SettingsStore& store);
bool WriteUserTools(SettingsStore& store, const std::vector<UserTool>& tools);

// Tells whether a program is installed.
using ProgramFinder = std::function<bool(std::string_view program)>;
// The tools a new user finds: a terminal and a file manager in the document's folder, a
// calculator when one is installed, and the settings file in this editor.
std::vector<UserTool> DefaultUserTools(const ProgramFinder& installed);

// What the active document and the program give the words above.
struct ToolContext {
    std::string documentPath; // empty for an untitled document or none
    std::string homeFolder;   // the folder when there is no document folder
    std::string settingsFile;
};

// A tool ready to start: the words replaced, the arguments split.
struct ToolLaunch {
    std::string program;
    std::vector<std::string> arguments;
    std::string folder;
    bool inThisEditor = false; // open the arguments as documents instead of starting a program
};
ToolLaunch ResolveUserTool(const UserTool& tool, const ToolContext& context);

// Splits into words as a shell does, without running one: blanks (spaces, tabs, line breaks)
// part words; single quotes keep everything up to the next single quote; double quotes keep
// everything up to the next double quote, with a backslash before ", \\, $ or ` standing for
// that character; elsewhere a backslash keeps the character after it. The quotes go, "" is an
// empty word, and a quote left open runs to the end of the text. Nothing else of the shell's
// ($ words, globs, redirections) is done.
std::vector<std::string> SplitToolArguments(std::string_view text);
