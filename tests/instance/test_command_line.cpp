// The command line as tables of argument lists and what they give: help, version, mistakes,
// files resolved against the caller's folder, encoding names and line numbers.
#include "instance/CommandLine.h"
#include "text/CodePages.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <optional>

namespace {

using Action = CommandLine::Action;

const std::string kFolder = "/home/user/site";
using Files = std::vector<std::string>;

CommandLine Parse(const QStringList& arguments, const std::string& folder = kFolder)
{
    std::vector<std::string> bytes = {"/usr/bin/tagwright"};
    for (const QString& argument : arguments)
        bytes.push_back(argument.toStdString());
    return ParseCommandLine(bytes, folder);
}

std::string Show(const QStringList& arguments)
{
    return arguments.join(QLatin1Char(' ')).toStdString();
}

TEST(CommandLineTest, HelpVersionAndMistakesPrintInsteadOfRunning)
{
    struct Case {
        QStringList arguments;
        Action action;
        int exitCode;
        const char* output; // a regular expression the printed text must match
    };
    const Case cases[] = {
        {{}, Action::Run, 0, "^$"},
        {{"-h"}, Action::Help, 0, "^Usage: tagwright \\[options\\] \\[file\\.\\.\\.\\]\n"},
        {{"--help"}, Action::Help, 0, "--encoding <name>.*--line <number>"},
        {{"page.html", "--help"},
         Action::Help,
         0,
         "cp1251.*cp866.*koi8r.*iso8859-5.*mac.*utf8.*auto"},
        {{"-v"}, Action::Version, 0, "^Tagwright Version \\d+\\.\\d\\d, Build \\d+ ALPHA\n$"},
        {{"--version"},
         Action::Version,
         0,
         "^Tagwright Version \\d+\\.\\d\\d, Build \\d+ ALPHA\n$"},
        {{"--frobnicate"},
         Action::Error,
         2,
         "^tagwright: Unknown option 'frobnicate'\\.\n.*Usage: tagwright"},
        {{"-x", "page.html"}, Action::Error, 2, "Unknown option 'x'"},
        {{"--help-all"}, Action::Error, 2, "Unknown option 'help-all'"},
        {{"--encoding"}, Action::Error, 2, "Missing value after '--encoding'"},
        {{"page.html", "--line"}, Action::Error, 2, "Missing value after '--line'"},
        {{"-"}, Action::Error, 2, "^tagwright: \"-\" is not a file"},
        {{"a.html", ""}, Action::Error, 2, "empty argument"},
        {{"--encoding", "latin1"},
         Action::Error,
         2,
         "unknown encoding \"latin1\"; the encodings are cp1251,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.arguments));
        const CommandLine result = Parse(c.arguments);
        EXPECT_EQ(result.action, c.action);
        EXPECT_EQ(result.exitCode, c.exitCode);
        const QRegularExpression pattern(QString::fromUtf8(c.output),
                                         QRegularExpression::DotMatchesEverythingOption);
        EXPECT_TRUE(pattern.match(result.output).hasMatch()) << result.output.toStdString();
        if (c.action != Action::Run) {
            EXPECT_TRUE(result.files.empty());
        }
    }
}

TEST(CommandLineTest, FilesAreResolvedAgainstTheCallersFolderInTheirOrder)
{
    const struct {
        QStringList arguments;
        Files files;
    } cases[] = {
        {{"page.html"}, {"/home/user/site/page.html"}},
        {{"b.css", "sub/a.html", "/tmp/c.txt"},
         {"/home/user/site/b.css", "/home/user/site/sub/a.html", "/tmp/c.txt"}},
        {{"./x.html", "../up.html", "sub/../y.html"},
         {"/home/user/site/x.html", "/home/user/up.html", "/home/user/site/y.html"}},
        // After "--" everything is a file, even names that look like options; "./-" is a file.
        {{"--", "--help", "-v", "./-"},
         {"/home/user/site/--help", "/home/user/site/-v", "/home/user/site/-"}},
        {{"Страница.html"}, {"/home/user/site/Страница.html"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Show(c.arguments));
        const CommandLine result = Parse(c.arguments);
        EXPECT_EQ(result.action, Action::Run);
        EXPECT_EQ(result.files, c.files);
        EXPECT_EQ(result.codePage, std::nullopt);
        EXPECT_EQ(result.line, 0);
    }
    // Names that are not UTF-8 keep their bytes.
    EXPECT_EQ(ParseCommandLine({"/usr/bin/tagwright", "caf\xe9.html", "/x/\xff"}, kFolder).files,
              (Files{"/home/user/site/caf\xe9.html", "/x/\xff"}));
    // Without a current folder only full paths name files.
    EXPECT_EQ(Parse({"/tmp/a.html"}, "").files, Files{"/tmp/a.html"});
    EXPECT_EQ(Parse({"a.html"}, "").action, Action::Error);
}

TEST(CommandLineTest, EncodingNamesGiveTheirCodePages)
{
    const struct {
        QStringList arguments;
        std::optional<CodePage> page; // none: refused
    } cases[] = {
        {{"--encoding", "cp1251"}, CodePage::Windows1251},
        {{"--encoding", "cp866"}, CodePage::Dos866},
        {{"--encoding=koi8r"}, CodePage::Koi8R},
        {{"--encoding", "iso8859-5"}, CodePage::Iso8859_5},
        {{"--encoding", "mac"}, CodePage::Macintosh},
        {{"--encoding", "KOI8R"}, CodePage::Koi8R},
        {{"--encoding", "cp866", "--encoding", "mac"}, CodePage::Macintosh},
        {{"--encoding", "utf8"}, CodePage::Utf8},
        {{"--encoding", "AUTO"}, CodePage::Detect},
        {{"--encoding", "koi8-r"}, std::nullopt},
        {{"--encoding", ""}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Show(c.arguments));
        const CommandLine result = Parse(c.arguments + QStringList{"page.html"});
        if (c.page) {
            EXPECT_EQ(result.action, Action::Run);
            EXPECT_EQ(result.codePage, *c.page);
            EXPECT_EQ(result.files, Files{"/home/user/site/page.html"});
        } else {
            EXPECT_EQ(result.action, Action::Error);
            EXPECT_EQ(result.exitCode, 2);
        }
    }
}

TEST(CommandLineTest, LineNumbersFromOneUpToTheLargestLineIndex)
{
    const struct {
        const char* value;
        int line; // 0: refused
    } cases[] = {
        {"1", 1},  {"12", 12}, {"007", 7},        {"2147483647", 2147483647},  {"0", 0},
        {"-3", 0}, {"+5", 0},  {"2147483648", 0}, {"99999999999999999999", 0}, {"12abc", 0},
        {" 5", 0}, {"٣", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const CommandLine result =
            Parse({"--line", QString::fromUtf8(c.value), "a.html", "b.html"});
        if (c.line > 0) {
            EXPECT_EQ(result.action, Action::Run);
            EXPECT_EQ(result.line, c.line);
            EXPECT_EQ(result.files.size(), 2u);
        } else {
            EXPECT_EQ(result.action, Action::Error);
            EXPECT_EQ(result.exitCode, 2);
            EXPECT_TRUE(
                result.output.startsWith("tagwright: the line number must be from 1 to 2147483647"))
                << result.output.toStdString();
        }
    }
    const CommandLine both = Parse({"--encoding=cp866", "a.html", "--line=40", "b.html"});
    EXPECT_EQ(both.action, Action::Run);
    EXPECT_EQ(both.codePage, CodePage::Dos866);
    EXPECT_EQ(both.line, 40);
    EXPECT_EQ(both.files, (Files{"/home/user/site/a.html", "/home/user/site/b.html"}));
}

} // namespace

namespace {

TEST(CommandLineTest, HandOverMessageIsOneLineThatReadsBackTheRequest)
{
    CommandLine request;
    // A name that is not UTF-8 keeps its bytes.
    request.files = {"/home/user/site/Страница.html", "/tmp/a\nb.html", "/tmp/\"quoted\".css",
                     "/tmp/caf\xe9.html"};
    request.codePage = CodePage::Koi8R;
    request.line = 42;
    const QByteArray message = HandOverMessage(request);
    EXPECT_FALSE(message.contains('\n'));
    CommandLine read;
    ASSERT_TRUE(ReadHandOverMessage(message, read));
    EXPECT_EQ(read.files, request.files);
    EXPECT_EQ(read.codePage, CodePage::Koi8R);
    EXPECT_EQ(read.line, 42);
    EXPECT_EQ(read.action, CommandLine::Action::Run);

    ASSERT_TRUE(ReadHandOverMessage(HandOverMessage(CommandLine{}), read));
    EXPECT_TRUE(read.files.empty());
    EXPECT_EQ(read.codePage, std::nullopt);
    EXPECT_EQ(read.line, 0);
}

TEST(CommandLineTest, MalformedHandOverMessagesAreRefused)
{
    const char* messages[] = {
        "",
        "/tmp/page.html",
        "[]",
        R"({"files":"/tmp/a.html","encoding":-1,"line":0})",
        R"({"files":["/tmp/a.html"],"encoding":-1})",
        R"({"files":["a.html"],"encoding":-1,"line":0})",
        R"({"files":[7],"encoding":-1,"line":0})",
        // Characters that no byte stands for, and a zero byte the file functions would cut at.
        R"({"files":["/tmp/\u0416.html"],"encoding":-1,"line":0})",
        R"({"files":["/tmp/a\u0000b.html"],"encoding":-1,"line":0})",
        R"({"files":[],"encoding":99,"line":0})",
        R"({"files":[],"encoding":7,"line":0})",
        R"({"files":[],"encoding":-2,"line":0})",
        R"({"files":[],"encoding":"koi8r","line":0})",
        R"({"files":[],"encoding":0,"line":-1})",
        R"({"files":[],"encoding":0,"line":2.5})",
        R"({"files":[],"encoding":0,"line":1e12})",
    };
    for (const char* message : messages) {
        SCOPED_TRACE(message);
        CommandLine read;
        read.line = 99;
        EXPECT_FALSE(ReadHandOverMessage(QByteArray(message), read));
        EXPECT_EQ(read.line, 99);
    }
}

} // namespace
