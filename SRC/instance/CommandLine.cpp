// Parsing the command line into the files to open, or into the text to print instead.
#include "instance/CommandLine.h"

#include "controls/QtText.h"
#include "text/CodePageDetector.h"
#include "text/CodePages.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <limits>

namespace {

constexpr int kUsageExitCode = 2;

// The hand-over message's encoding when the command line names none.
constexpr int kNoPage = -1;

QString Keyword(CodePage page)
{
    const std::string_view keyword = CodePageKeyword(page);
    return QString::fromLatin1(keyword.data(), static_cast<qsizetype>(keyword.size()));
}

QString EncodingList()
{
    QStringList names;
    for (int page = 0; page < kCodePageChoiceCount; ++page)
        names << Keyword(static_cast<CodePage>(page));
    return names.join(QStringLiteral(", "));
}

// The page of an --encoding name, CodePage::Detect for "auto"; none for an unknown name.
std::optional<CodePage> PageOfKeyword(const QString& name)
{
    for (int number = 0; number < kCodePageChoiceCount; ++number) {
        const auto page = static_cast<CodePage>(number);
        if (name.compare(Keyword(page), Qt::CaseInsensitive) == 0)
            return page;
    }
    return std::nullopt;
}

// A positive decimal number that fits a line index; 0 otherwise.
int LineNumber(const QString& text)
{
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        }))
        return 0;
    bool ok = false;
    const int line = text.toInt(&ok);
    return ok ? line : 0;
}

// The arguments reach the parser one character per byte, so that a file name comes back with
// the bytes it was given; a text of them is made readable again for messages.
QString Mapped(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string Bytes(const QString& mapped) { return mapped.toLatin1().toStdString(); }

QString Readable(const QString& mapped) { return QFile::decodeName(mapped.toLatin1()); }

// folder/path without "." and ".." steps and repeated slashes, path alone when it is absolute.
std::string AbsolutePath(const std::string& folder, const std::string& path)
{
    const std::string joined = path.starts_with('/') ? path : folder + "/" + path;
    std::vector<std::string> steps;
    size_t start = 0;
    while (start <= joined.size()) {
        const size_t end = std::min(joined.find('/', start), joined.size());
        const std::string step = joined.substr(start, end - start);
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        start = end + 1;
    }
    std::string absolute;
    for (const std::string& step : steps)
        absolute += "/" + step;
    return absolute.empty() ? "/" : absolute;
}

CommandLine Printed(CommandLine::Action action, const QString& text, int exitCode)
{
    CommandLine result;
    result.action = action;
    result.output = text;
    result.exitCode = exitCode;
    return result;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                             const std::string& currentFolder)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits HTML pages and program sources in Cyrillic code pages."));
    // Help and version of our own: the parser's built-in ones add options for the toolkit.
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption encoding(
        QStringLiteral("encoding"),
        QStringLiteral("Code page of the files: %1 (default cp1251; auto detects each file's).")
            .arg(EncodingList()),
        QStringLiteral("name"));
    const QCommandLineOption line(QStringLiteral("line"),
                                  QStringLiteral("Put the caret on line <number> of the files."),
                                  QStringLiteral("number"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(encoding);
    parser.addOption(line);
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("Files to open; a missing one starts empty."),
                                 QStringLiteral("[file...]"));

    // The usage line names the program as installed, not as this process was started.
    QString usage = parser.helpText();
    usage.replace(0, usage.indexOf(QLatin1Char('\n')),
                  QStringLiteral("Usage: tagwright [options] [file...]"));
    const auto error = [&usage](const QString& message) {
        return Printed(CommandLine::Action::Error,
                       QStringLiteral("tagwright: %1\n\n%2").arg(message, usage), kUsageExitCode);
    };

    QStringList mapped;
    for (const std::string& argument : arguments)
        mapped << Mapped(argument);
    if (!parser.parse(mapped))
        return error(Readable(parser.errorText()));
    if (parser.isSet(help))
        return Printed(CommandLine::Action::Help, usage, 0);
    if (parser.isSet(version))
        return Printed(CommandLine::Action::Version,
                       QStringLiteral("Tagwright %1\n").arg(VersionText()), 0);

    CommandLine result;
    if (parser.isSet(encoding)) {
        const QString name = parser.value(encoding);
        result.codePage = PageOfKeyword(name);
        if (!result.codePage)
            return error(QStringLiteral("unknown encoding \"%1\"; the encodings are %2.")
                             .arg(Readable(name), EncodingList()));
    }
    if (parser.isSet(line)) {
        result.line = LineNumber(parser.value(line));
        if (result.line == 0)
            return error(QStringLiteral("the line number must be from 1 to %1, not \"%2\".")
                             .arg(std::numeric_limits<int>::max())
                             .arg(Readable(parser.value(line))));
    }

    for (const QString& argument : parser.positionalArguments()) {
        // "-" would mean standard input to many programs; the editor works on files only.
        if (argument == QLatin1String("-"))
            return error(QStringLiteral("\"-\" is not a file; standard input cannot be edited."));
        if (argument.isEmpty())
            return error(QStringLiteral("an empty argument is not a file name."));
        const std::string path = Bytes(argument);
        if (currentFolder.empty() && !path.starts_with('/'))
            return error(
                QStringLiteral("the current folder cannot be read; give the full path of \"%1\".")
                    .arg(Readable(argument)));
        result.files.push_back(AbsolutePath(currentFolder, path));
    }
    return result;
}

// A JSON object, written compactly: strings escape their line breaks, so it is one line. The
// paths go one character per byte.
QByteArray HandOverMessage(const CommandLine& request)
{
    QJsonArray files;
    for (const std::string& file : request.files)
        files.append(Mapped(file));
    QJsonObject message;
    message.insert(QStringLiteral("files"), files);
    message.insert(QStringLiteral("encoding"),
                   request.codePage ? Number(*request.codePage) : kNoPage);
    message.insert(QStringLiteral("line"), request.line);
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

bool ReadHandOverMessage(const QByteArray& message, CommandLine& request)
{
    const QJsonDocument document = QJsonDocument::fromJson(message);
    if (!document.isObject())
        return false;
    const QJsonObject object = document.object();
    const QJsonValue files = object.value(QStringLiteral("files"));
    const QJsonValue encoding = object.value(QStringLiteral("encoding"));
    const QJsonValue line = object.value(QStringLiteral("line"));
    if (!files.isArray() || !encoding.isDouble() || !line.isDouble())
        return false;
    CommandLine read;
    if (const int number = encoding.toInt(-2); number != kNoPage) {
        const auto page = static_cast<CodePage>(number);
        if (!IsKnown(page) && page != CodePage::Detect)
            return false;
        read.codePage = page;
    }
    read.line = line.toInt(-1);
    if (read.line < 0)
        return false;
    for (const QJsonValue& file : files.toArray()) {
        const QString mapped = file.toString();
        const std::string path = Bytes(mapped);
        if (!file.isString() || Mapped(path) != mapped || !path.starts_with('/')
            || path.find('\0') != std::string::npos)
            return false;
        read.files.push_back(path);
    }
    request = read;
    return true;
}
