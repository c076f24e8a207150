// The program's command line: the files to open with their code page and line, or the text
// that help, version and mistakes print instead of starting the editor.
#pragma once

#include "text/FileFormat.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    // Absolute paths in the order given, as the system names the files: the bytes of the
    // arguments, which need not be UTF-8.
    std::vector<std::string> files;
    std::optional<CodePage> codePage; // from --encoding, CodePage::Detect for "auto"
    int line = 0;                     // from --line, counted from 1; 0 when not given
    QString output;   // what Help and Version print to standard output, Error to standard error
    int exitCode = 0; // 0 for Help and Version, 2 for Error
};

// arguments: the program's name, then its arguments, as bytes. Relative paths are resolved
// against currentFolder, the folder of the process that was given them (empty when it cannot
// be read: relative paths are then refused).
CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const std::string& currentFolder);

// What a second start hands to the running instance: the files with their code page and line,
// as one line of text (no line breaks inside, whatever the paths hold; bytes that are not UTF-8
// arrive unchanged).
QByteArray HandOverMessage(const CommandLine& request);
// The request of such a message; false, with request untouched, for anything else.
bool ReadHandOverMessage(const QByteArray& message, CommandLine& request);
