// Which files a search takes and what it says about the rest; open documents searched in
// their text; stopping a search; and the driver's output.
#include "FindFilesSupport.h"
#include "findfiles/core/FolderWalk.h"
#include "findfiles/core/OpenDocuments.h"
#include "support/TempDir.h"
#include "text/CodePageDetector.h"
#include "text/SafeFileWriter.h"
#include "view/core/TextSearch.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Paths = std::vector<std::string>;

const std::string kMatch = "<p>copyright 2019</p>\n";

// A small site: pages in several folders, a hidden folder, a page that is binary, a link
// back up the tree, a FIFO and a socket that carry a page's name, a dangling link.
class SiteTree {
public:
    SiteTree()
    {
        PutFile(At("index.html"), kMatch);
        PutFile(At("NEWS.HTM"), kMatch);
        PutFile(At("notes.txt"), kMatch);
        PutFile(At("style.css"), "p {}\n");
        PutFile(At("about/team.html"), kMatch);
        PutFile(At("about/deep/more.shtml"), kMatch);
        PutFile(At(".git/config.html"), kMatch);
        PutFile(At("img/logo.html"), std::string("copyright\0\x01\x02", 12));
        symlink("..", At("about/up").c_str());
        symlink("missing.html", At("gone.html").c_str());
        mkfifo(At("pipe.html").c_str(), 0600);
        m_socket = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = At("socket.html");
        if (path.size() < sizeof address.sun_path) {
            path.copy(address.sun_path, path.size());
            bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        }
    }
    ~SiteTree() { close(m_socket); }

    std::string At(const std::string& relative) const { return m_dir.File(relative); }
    const std::string& Root() const { return m_dir.Path(); }

private:
    TempDir m_dir;
    int m_socket = -1;
};

FindFilesOptions Options(const SiteTree& tree, const std::string& pattern = "copyright")
{
    FindFilesOptions options;
    options.pattern = pattern;
    options.folder = tree.Root();
    options.threads = 2;
    return options;
}

TEST(FindInFilesTest, MasksFoldersAndWhatIsSkipped)
{
    const SiteTree tree;
    struct Row {
        const char* name;
        std::string masks;
        bool subfolders;
        bool skipHidden;
        Paths found;
    };
    const std::vector<Row> rows = {
        {"every_file",
         "",
         true,
         true,
         {"NEWS.HTM", "about/deep/more.shtml", "about/team.html", "index.html", "notes.txt"}},
        {"masks_ignore_case",
         "*.htm;*.html",
         true,
         true,
         {"NEWS.HTM", "about/team.html", "index.html"}},
        {"masks_with_blanks_and_all_files",
         " *.txt , *.* ",
         true,
         true,
         {"NEWS.HTM", "about/deep/more.shtml", "about/team.html", "index.html", "notes.txt"}},
        {"no_subfolders", "*.html", false, true, {"index.html"}},
        {"hidden_folders_too",
         "*.html",
         true,
         false,
         {".git/config.html", "about/team.html", "index.html"}},
        {"default_masks",
         DefaultFileMasks(),
         true,
         true,
         {"NEWS.HTM", "about/deep/more.shtml", "about/team.html", "index.html", "notes.txt"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FindFilesOptions options = Options(tree);
        options.masks = ParseFileMasks(row.masks);
        options.subfolders = row.subfolders;
        options.skipHiddenFolders = row.skipHidden;
        const SearchRecord record = RunSearch(options);
        ASSERT_EQ(record.finished, 1);
        // The link back up the tree leads to a folder searched already: nothing twice.
        EXPECT_EQ(record.Paths(), row.found);
        EXPECT_EQ(record.totals.filesMatched, static_cast<int64_t>(row.found.size()));
        EXPECT_FALSE(record.totals.cancelled);
    }

    // The binary page is counted, the dangling link told with its reason; the FIFO and the
    // socket are never opened (the search would hang on the FIFO).
    FindFilesOptions options = Options(tree);
    options.masks = {"*.html"};
    const SearchRecord record = RunSearch(options);
    EXPECT_EQ(record.totals.binarySkipped, 1);
    EXPECT_EQ(record.totals.filesSearched, 3); // index, team, logo
    ASSERT_EQ(record.problems.size(), 1u);
    EXPECT_EQ(record.problems[0].path, tree.At("gone.html"));
    EXPECT_EQ(record.problems[0].reason, SystemErrorText(ENOENT));
}

TEST(FindInFilesTest, UnreadableFilesAndFoldersAreToldWithTheirReason)
{
    const SiteTree tree;
    // A file that opens but cannot be read, even by root: the first page of the test's memory.
    symlink("/proc/self/mem", tree.At("memory.html").c_str());
    std::vector<std::pair<std::string, std::string>> expected = {
        {tree.At("gone.html"), SystemErrorText(ENOENT)},
        {tree.At("memory.html"), SystemErrorText(EIO)}};
    Paths found = {"NEWS.HTM", "about/deep/more.shtml", "about/team.html", "index.html",
                   "notes.txt"};
    if (geteuid() != 0) { // permissions do not hold for root
        chmod(tree.At("index.html").c_str(), 0);
        chmod(tree.At("about").c_str(), 0);
        expected.emplace_back(tree.At("about"), SystemErrorText(EACCES));
        expected.emplace_back(tree.At("index.html"), SystemErrorText(EACCES));
        found = {"NEWS.HTM", "notes.txt"};
    }
    const SearchRecord record = RunSearch(Options(tree));
    std::vector<std::pair<std::string, std::string>> problems;
    for (const SearchProblem& problem : record.problems)
        problems.emplace_back(problem.path, problem.reason);
    std::sort(problems.begin(), problems.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(problems, expected);
    EXPECT_EQ(record.Paths(), found);
}

TEST(FindInFilesTest, CommonFolderAndPathsBelowIt)
{
    struct Row {
        Paths files;
        std::string common;
        Paths shown;
    };
    const std::vector<Row> rows = {
        {{"/srv/site/a.htm"}, "/srv/site", {"a.htm"}},
        {{"/srv/site/a.htm", "/srv/site/news/b.htm"}, "/srv/site", {"a.htm", "news/b.htm"}},
        // A folder whose name only begins like another's holds nothing of it.
        {{"/srv/site/a.htm", "/srv/site2/b.htm"}, "/srv", {"site/a.htm", "site2/b.htm"}},
        // Only the root in common: the paths are shown in full.
        {{"/srv/a.htm", "/home/b.htm"}, "/", {"/srv/a.htm", "/home/b.htm"}},
        {{"/a.htm"}, "/", {"/a.htm"}},
        {{}, "", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.common);
        EXPECT_EQ(CommonFolder(row.files), row.common);
        Paths shown;
        for (const std::string& file : row.files)
            shown.push_back(PathBelow(file, CommonFolder(row.files)));
        EXPECT_EQ(shown, row.shown);
    }
}

TEST(FindInFilesTest, AListOfFilesIsSearchedAsItStands)
{
    const SiteTree tree;
    FindFilesOptions options = Options(tree);
    // Files from several folders (a hidden one too: the list is the user's own choice), one
    // listed twice and once more through a link, one gone, a folder, a FIFO, and one the
    // masks leave out.
    symlink(tree.At("index.html").c_str(), tree.At("about/alias.html").c_str());
    mkdir(tree.At("archive.html").c_str(), 0700);
    options.files = Paths{tree.At("index.html"),       tree.At("about/deep/more.shtml"),
                          tree.At(".git/config.html"), tree.At("index.html"),
                          tree.At("about/alias.html"), tree.At("gone.html"),
                          tree.At("archive.html"),     tree.At("pipe.html"),
                          tree.At("notes.txt")};
    options.folder = CommonFolder(*options.files);
    options.masks = ParseFileMasks("*.html;*.shtml");
    options.subfolders = false; // walking choices mean nothing for a list
    const SearchRecord record = RunSearch(options);
    ASSERT_EQ(record.finished, 1);
    EXPECT_EQ(record.Paths(), (Paths{".git/config.html", "about/deep/more.shtml", "index.html"}));
    EXPECT_EQ(record.totals.filesSearched, 3);
    std::vector<std::pair<std::string, std::string>> problems;
    for (const SearchProblem& problem : record.problems)
        problems.emplace_back(problem.path, problem.reason);
    std::sort(problems.begin(), problems.end());
    EXPECT_EQ(problems, (std::vector<std::pair<std::string, std::string>>{
                            {tree.At("archive.html"), SystemErrorText(EISDIR)},
                            {tree.At("gone.html"), SystemErrorText(ENOENT)},
                            {tree.At("pipe.html"), "It is not a regular file."}}));

    // The walk's folder need not exist for a list, but the list must hold something.
    options.folder = tree.At("nowhere");
    EXPECT_EQ(FindFilesStartProblem(options), "");
    options.files->clear();
    EXPECT_EQ(FindFilesStartProblem(options), "There are no files to search.");
}

TEST(FindInFilesTest, StartRefusesWhatCannotBeSearched)
{
    const SiteTree tree;
    struct Row {
        const char* name;
        std::string pattern;
        uint32_t flags;
        std::string folder;
        std::string problem;
    };
    const std::vector<Row> rows = {
        {"empty_pattern", "", 0, tree.Root(), "There is no text to find."},
        {"bad_expression", "[z-a]", FIND_REGEXP, tree.Root(),
         "The regular expression is not valid."},
        {"missing_folder", "a", 0, tree.At("nowhere"), SystemErrorText(ENOENT)},
        {"file_for_folder", "a", 0, tree.At("index.html"), SystemErrorText(ENOTDIR)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FindFilesOptions options = Options(tree, row.pattern);
        options.flags = row.flags;
        options.folder = row.folder;
        SearchRecord record;
        CFindInFiles search;
        std::string problem;
        EXPECT_FALSE(search.Start(options, nullptr, record, problem));
        EXPECT_EQ(problem, row.problem);
        search.Wait();
        EXPECT_EQ(record.finished, 0);
    }
}

TEST(FindInFilesTest, OpenDocumentsAreSearchedInTheirText)
{
    const SiteTree tree;
    auto documents = std::make_shared<COpenDocumentList>();
    // The saved page says one thing, the editor holds another, unsaved.
    OpenDocument open;
    open.lines =
        std::make_shared<CCopiedLines>(std::vector<std::string>{"no", "copyright copyright"});
    open.codePage = CodePage::Koi8R;
    open.lineEnding = LineEnding::Macintosh;
    open.version = 42;
    ASSERT_TRUE(documents->Add(tree.At("index.html"), open));
    FindFilesOptions options = Options(tree);
    options.masks = {"index.html"};
    const SearchRecord record = RunSearch(options, documents);
    ASSERT_EQ(record.files.size(), 1u);
    const FileResult& file = record.files[0];
    EXPECT_TRUE(file.openDocument);
    EXPECT_EQ(file.documentVersion, 42u);
    EXPECT_EQ(file.codePage, CodePage::Koi8R);
    ASSERT_EQ(file.matches.size(), 2u);
    EXPECT_EQ(file.matches[1].start, (TextPoint{10, 1}));
    EXPECT_EQ(file.lines[0].text, "copyright copyright");
    EXPECT_EQ(file.matches[1].fileStart, -1);
}

// Stops the search as soon as the first file is heard of.
struct StoppingRecord : SearchRecord {
    CFindInFiles* search = nullptr;
    void OnFile(FileResult file) override
    {
        SearchRecord::OnFile(std::move(file));
        search->Cancel();
    }
};

TEST(FindInFilesTest, StoppingKeepsWhatWasFound)
{
    TempDir dir;
    constexpr int kFiles = 300;
    for (int i = 0; i < kFiles; ++i)
        PutFile(dir.File("page" + std::to_string(i) + ".html"), kMatch);
    FindFilesOptions options;
    options.pattern = "copyright";
    options.folder = dir.Path();
    options.threads = 2;
    StoppingRecord record;
    CFindInFiles search;
    record.search = &search;
    std::string problem;
    ASSERT_TRUE(search.Start(options, nullptr, record, problem));
    search.Wait();
    EXPECT_EQ(record.finished, 1);
    EXPECT_TRUE(record.totals.cancelled);
    EXPECT_GE(record.files.size(), 1u);
    EXPECT_LT(record.totals.filesSearched, kFiles);
    EXPECT_EQ(record.totals.filesMatched, static_cast<int64_t>(record.files.size()));
}

TEST(FindInFilesTest, EachFileIsReadInItsOwnPage)
{
    // "Привет, мир" as a sentence long enough to tell the pages apart.
    const std::string text = "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0! \xDD\xF2\xEE "
                             "\xF1\xF2\xF0\xE0\xED\xE8\xF6\xE0 \xF1\xE0\xE9\xF2\xE0 "
                             "\xEE \xED\xE0\xF8\xE5\xE9 \xF0\xE0\xE1\xEE\xF2\xE5.\n";
    // Searched first (files before subfolders, one thread), pages of text without the word
    // are counted to choose which bytes to look for: the pages after are found all the same.
    for (const int fillerFiles : {0, 12}) {
        SCOPED_TRACE(fillerFiles);
        TempDir dir;
        std::string filler;
        while (filler.size() < 32 * 1024)
            filler +=
                "\xD1\xF2\xF0\xE0\xED\xE8\xF6\xE0 \xEE \xEC\xE8\xF0\xE5.\n"; // "Страница о мире."
        for (int i = 0; i < fillerFiles; ++i)
            PutFile(dir.File("filler" + std::to_string(i) + ".html"),
                    InPage(filler, static_cast<CodePage>(i % kCodePageCount)));
        for (int number = 0; number < kCodePageCount; ++number) {
            const auto page = static_cast<CodePage>(number);
            PutFile(dir.File("pages/" + std::string(CodePageKeyword(page)) + ".html"),
                    InPage(text, page));
        }
        FindFilesOptions options;
        options.pattern = "\xEF\xF0\xC8\xE2\xE5\xF2"; // "прИвет": case folded
        options.flags = FIND_WHOLE_WORD;
        options.folder = dir.Path();
        const SearchRecord record = RunSearch(options);
        ASSERT_EQ(record.files.size(), static_cast<size_t>(kCodePageCount));
        for (const FileResult& file : record.files) {
            SCOPED_TRACE(file.relativePath);
            EXPECT_EQ("pages/" + std::string(CodePageKeyword(file.codePage)) + ".html",
                      file.relativePath);
            EXPECT_TRUE(file.pageDetected);
            EXPECT_EQ(file.lines[0].text, text.substr(0, text.size() - 1));
        }
    }
}

TEST(FindFilesDriverTest, PrintsMatchesSortedAndReplaces)
{
    const std::string driver = TW_BUILD_DIR "/tw-findfiles";
    TempDir dir;
    PutFile(dir.File("b.html"), "one\r\nTwo two\r\n");
    PutFile(dir.File("a/c.htm"), InPage("\xF2\xE2\xEE two\n", CodePage::Koi8R)); // "тво two"
    PutFile(dir.File("a/skip.txt"), "two\n");
    std::string out;
    ASSERT_EQ(RunCommand(driver + " --page koi8r --include '*.htm*' two " + dir.Path(), &out), 0);
    EXPECT_EQ(out, "a/c.htm:1:5: \xD1\x82\xD0\xB2\xD0\xBE two\n"
                   "b.html:2:1: Two two\n"
                   "b.html:2:5: Two two\n"
                   "files=2 matches=3\n");
    ASSERT_EQ(
        RunCommand(driver + " --regex --case '^T(wo)' 'X\\1' " + dir.Path() + " >/dev/null", &out),
        2); // a pattern and a folder, nothing more
    ASSERT_EQ(RunCommand(driver + " --regex --case --replace 'X\\1' '^T(wo)' " + dir.Path(), &out),
              0);
    EXPECT_EQ(out, "replaced=1 files=1\n");
    EXPECT_EQ(ReadFile(dir.File("b.html")), "one\r\nXwo two\r\n");
    ASSERT_EQ(RunCommand(driver + " '[' " + dir.File("nowhere") + " 2>/dev/null", &out), 1);
}

} // namespace
