// Parsing the command line into the files to open, or into the text to print instead.
#include "doc/CommandLine.h"

#include "doc/AppIdentity.h"
#include "text/CodePages.h"

#include <QCommandLineParser>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <iterator>
#include <limits>

namespace {

constexpr int kUsageExitCode = 2;

struct EncodingName {
    const char* name;
    int page;
};

constexpr EncodingName kEncodingNames[] = {
    {"cp1251", CP_WINDOWS_1251}, {"cp866", CP_DOS_866}, {"koi8r", CP_KOI8_R},
    {"iso8859-5", CP_ISO_8859_5}, {"mac", CP_MACINTOSH}, {"utf8", CP_UTF8},
};

QString EncodingList()
{
    QStringList names;
    for (const EncodingName& encoding : kEncodingNames)
        names << QString::fromLatin1(encoding.name);
    return names.join(QStringLiteral(", "));
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

CommandLine Printed(CommandLine::Action action, const QString& text, int exitCode)
{
    CommandLine result;
    result.action = action;
    result.output = text;
    result.exitCode = exitCode;
    return result;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments, const QString& currentFolder)
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
        QStringLiteral("Code page of the files: %1 (default cp1251).").arg(EncodingList()),
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

    if (!parser.parse(arguments))
        return error(parser.errorText());
    if (parser.isSet(help))
        return Printed(CommandLine::Action::Help, usage, 0);
    if (parser.isSet(version))
        return Printed(CommandLine::Action::Version,
                       QStringLiteral("Tagwright %1\n").arg(VersionText()),
                       0);

    CommandLine result;
    if (parser.isSet(encoding)) {
        const QString name = parser.value(encoding);
        const auto known = std::find_if(std::begin(kEncodingNames), std::end(kEncodingNames),
                                        [&name](const EncodingName& e) {
                                            return name.compare(QLatin1String(e.name),
                                                                Qt::CaseInsensitive) == 0;
                                        });
        if (known == std::end(kEncodingNames))
            return error(QStringLiteral("unknown encoding \"%1\"; the encodings are %2.")
                             .arg(name, EncodingList()));
        result.codePage = known->page;
    }
    if (parser.isSet(line)) {
        result.line = LineNumber(parser.value(line));
        if (result.line == 0)
            return error(QStringLiteral("the line number must be from 1 to %1, not \"%2\".")
                             .arg(std::numeric_limits<int>::max())
                             .arg(parser.value(line)));
    }

    const QDir folder(currentFolder);
    for (const QString& argument : parser.positionalArguments()) {
        // "-" would mean standard input to many programs; the editor works on files only.
        if (argument == QLatin1String("-"))
            return error(QStringLiteral("\"-\" is not a file; standard input cannot be edited."));
        if (argument.isEmpty())
            return error(QStringLiteral("an empty argument is not a file name."));
        result.files << QDir::cleanPath(folder.absoluteFilePath(argument));
    }
    return result;
}

// A JSON object, written compactly: strings escape their line breaks, so it is one line.
QByteArray HandOverMessage(const CommandLine& request)
{
    QJsonObject message;
    message.insert(QStringLiteral("files"), QJsonArray::fromStringList(request.files));
    message.insert(QStringLiteral("encoding"), request.codePage);
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
    read.codePage = encoding.toInt(-2);
    read.line = line.toInt(-1);
    if (read.codePage < -1 || read.codePage >= kCodePageCount || read.line < 0)
        return false;
    for (const QJsonValue& file : files.toArray()) {
        if (!file.isString() || !QDir::isAbsolutePath(file.toString()))
            return false;
        read.files << file.toString();
    }
    request = read;
    return true;
}
