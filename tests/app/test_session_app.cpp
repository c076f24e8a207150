// The documents of one run come back at the next start: their order, format and places, the
// active one, the files of the command line besides them, and what is left out.
#include "AppFixture.h"

#include "frame/ChildFrm.h"
#include "frame/SplitPanes.h"
#include "settings/core/AppSettings.h"
#include "view/KTextView.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

class SessionAppTest : public AppFixture {
protected:
    // Ends the run as the program does and starts again on what it left in the settings.
    void Restart(const QStringList& arguments = {})
    {
        app->ExitInstance();
        preset = *store;
        app.reset();
        Start(arguments);
    }
    std::vector<std::string> OpenNames() const
    {
        std::vector<std::string> names;
        for (CChildFrame* child : frame->ChildFrames())
            names.push_back(QFileInfo(child->Document().PathName()).fileName().toStdString());
        return names;
    }
    CChildFrame& Child(const std::string& name) const
    {
        for (CChildFrame* child : frame->ChildFrames())
            if (QFileInfo(child->Document().PathName()).fileName() == Q(name))
                return *child;
        ADD_FAILURE() << name << " is not open";
        return *frame->ChildFrames().front();
    }
    std::string ActiveName() const
    {
        return QFileInfo(frame->ActiveDocument()->PathName()).fileName().toStdString();
    }
};

TEST_F(SessionAppTest, DocumentsComeBackAsTheyWereLeft)
{
    std::string lines;
    for (int i = 0; i < 200; ++i)
        lines += "line " + std::to_string(i) + "\n";
    WriteFile(dir.File("a.txt"), lines);
    WriteFile(dir.File("koi.html"), "\xE4\xC1\r\n"); // "Да" in KOI8-R
    WriteFile(dir.File("c.html"), "c\r\n");
    Start({"a.txt", "--encoding", "koi8r", "koi.html"});
    app->OpenDocumentFile(Q(dir.File("c.html")));
    ASSERT_EQ(OpenNames(), (std::vector<std::string>{"a.txt", "koi.html", "c.html"}));
    const ViewPlace place{{2, 120}, {0, 118}, {2, 120}, 118};
    Child("a.txt").View()->MoveToPlace(place);
    Child("a.txt").ToggleSplit();
    frame->ActivateDocument(Child("koi.html").Document());
    // An untitled text is left to its recovery copy.
    app->NewDocument();
    frame->ActivateDocument(Child("koi.html").Document());

    Restart();
    EXPECT_EQ(OpenNames(), (std::vector<std::string>{"a.txt", "koi.html", "c.html"}));
    EXPECT_EQ(ActiveName(), "koi.html");
    EXPECT_EQ(Child("koi.html").Document().Buffer().CodePage(), CodePage::Koi8R);
    EXPECT_EQ(Child("koi.html").Document().Buffer().Line(0), "\xC4\xE0");
    EXPECT_TRUE(Child("a.txt").Panes().IsSplit());
    EXPECT_FALSE(Child("c.html").Panes().IsSplit());
    const ViewPlace back = Child("a.txt").View()->Place();
    EXPECT_EQ(back.caret, place.caret);
    EXPECT_EQ(back.selectionStart, place.selectionStart);
    EXPECT_EQ(back.selectionEnd, place.selectionEnd);
    EXPECT_EQ(back.firstLine, place.firstLine);
    EXPECT_TRUE(host->warnings.isEmpty());
}

TEST_F(SessionAppTest, CommandLineFilesOpenBesidesAndMissingOnesAreNamedOnce)
{
    WriteFile(dir.File("a.txt"), "a\n");
    WriteFile(dir.File("b.txt"), "b\n");
    WriteFile(dir.File("c.txt"), "c1\nc2\nc3\n");
    WriteFile(dir.File("new.txt"), "new\n");
    Start({"a.txt", "b.txt", "c.txt"});
    Child("c.txt").View()->MoveToPlace({{1, 2}, {1, 2}, {1, 2}, 0});
    Restart();
    EXPECT_EQ(OpenNames(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    std::remove(dir.File("a.txt").c_str());
    std::remove(dir.File("b.txt").c_str());
    // A place beyond a file that shrank meanwhile is brought inside it.
    WriteFile(dir.File("c.txt"), "c\n");

    Restart({"new.txt"});
    EXPECT_EQ(OpenNames(), (std::vector<std::string>{"c.txt", "new.txt"}));
    EXPECT_EQ(ActiveName(), "new.txt");
    EXPECT_EQ(Child("c.txt").View()->Place().caret, (TextPoint{0, 1}));
    ASSERT_EQ(host->warnings.size(), 1);
    EXPECT_TRUE(host->warnings[0].contains(Q(dir.File("a.txt"))))
        << host->warnings[0].toStdString();
    EXPECT_TRUE(host->warnings[0].contains(Q(dir.File("b.txt"))));
}

TEST_F(SessionAppTest, SwitchedOffTheStartBeginsEmpty)
{
    WriteFile(dir.File("a.txt"), "a\n");
    Start({"a.txt"});
    app->Settings().Preferences().SetOn(Switch::ReopenLastSession, false);
    Restart();
    ASSERT_EQ(app->Documents().size(), 1u);
    EXPECT_TRUE(app->Documents().front()->PathName().isEmpty()); // the untitled start text
}

} // namespace
