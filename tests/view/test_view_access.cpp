// The text view's accessible text: lines, words and characters by offset over Cyrillic text
// and an empty last line, caret and selection set and read by offset, and the events a
// listening client hears on caret moves, selection changes, insertions and removals.
#include "ViewFixture.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <vector>

namespace {

struct Heard {
    QAccessible::Event type;
    int position; // the caret, the change or the selection start
    QString text; // inserted or removed text, or the selection's end as a number
    friend bool operator==(const Heard&, const Heard&) = default;
};

void PrintTo(const Heard& h, std::ostream* os)
{
    *os << "{" << h.type << ", " << h.position << ", \"" << h.text.toStdString() << "\"}";
}

std::vector<Heard> g_heard;

void Listen(QAccessibleEvent* event)
{
    switch (event->type()) {
    case QAccessible::TextCaretMoved:
        g_heard.push_back(
            {event->type(), static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition(), {}});
        break;
    case QAccessible::TextSelectionChanged: {
        const auto* e = static_cast<QAccessibleTextSelectionEvent*>(event);
        g_heard.push_back({event->type(), e->selectionStart(), QString::number(e->selectionEnd())});
        break;
    }
    case QAccessible::TextInserted: {
        const auto* e = static_cast<QAccessibleTextInsertEvent*>(event);
        g_heard.push_back({event->type(), e->changePosition(), e->textInserted()});
        break;
    }
    case QAccessible::TextRemoved: {
        const auto* e = static_cast<QAccessibleTextRemoveEvent*>(event);
        g_heard.push_back({event->type(), e->changePosition(), e->textRemoved()});
        break;
    }
    case QAccessible::NameChanged:
        g_heard.push_back(
            {event->type(), 0, event->accessibleInterface()->text(QAccessible::Name)});
        break;
    default:
        break;
    }
}

// "Привет мир" in Windows-1251.
constexpr char kPrivetMir[] = "\xCF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0";

class ViewAccessTest : public ViewFixture {
protected:
    ViewAccessTest()
    {
        SetLines({"ab cd", kPrivetMir, ""});
        MakeView();
        access = QAccessible::queryAccessibleInterface(view.get());
    }
    ~ViewAccessTest() override
    {
        QAccessible::installUpdateHandler(nullptr);
        if (QPlatformAccessibility* platform = Platform())
            platform->setActive(false);
    }
    // The platform's accessibility, which a screen reader's bridge would switch on.
    static QPlatformAccessibility* Platform()
    {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    QAccessibleTextInterface& Text() { return *access->textInterface(); }
    // From here on a client listens.
    void StartListening()
    {
        g_heard.clear();
        QAccessible::installUpdateHandler(Listen);
        Platform()->setActive(true);
    }

    QAccessibleInterface* access = nullptr;
};

TEST_F(ViewAccessTest, ReadsLinesWordsAndCharactersByOffset)
{
    ASSERT_TRUE(access && access->textInterface());
    EXPECT_EQ(access->role(), QAccessible::EditableText);
    EXPECT_EQ(access->text(QAccessible::Name), doc->Title());
    EXPECT_EQ(Text().characterCount(), 17);
    EXPECT_EQ(Text().text(0, 17), QString::fromUtf8("ab cd\nПривет мир\n"));
    EXPECT_EQ(Text().text(3, 8), QString::fromUtf8("cd\nПр"));

    struct Case {
        int offset;
        QAccessible::TextBoundaryType boundary;
        const char* text;
        int start, end;
    };
    const Case cases[] = {
        {0, QAccessible::LineBoundary, "ab cd\n", 0, 6},
        {5, QAccessible::LineBoundary, "ab cd\n", 0, 6}, // the "\n" belongs to its line
        {6, QAccessible::LineBoundary, "Привет мир\n", 6, 17},
        {17, QAccessible::LineBoundary, "", 17, 17}, // the empty last line
        {8, QAccessible::WordBoundary, "Привет", 6, 12},
        {13, QAccessible::WordBoundary, "мир", 13, 16},
        {4, QAccessible::WordBoundary, "cd", 3, 5},
        {6, QAccessible::CharBoundary, "П", 6, 7},
        {5, QAccessible::CharBoundary, "\n", 5, 6},
    };
    for (const Case& c : cases) {
        int start = -1, end = -1;
        EXPECT_EQ(Text().textAtOffset(c.offset, c.boundary, &start, &end),
                  QString::fromUtf8(c.text))
            << c.offset << " " << c.boundary;
        EXPECT_EQ(start, c.start) << c.offset << " " << c.boundary;
        EXPECT_EQ(end, c.end) << c.offset << " " << c.boundary;
    }
    int start = -1, end = -1;
    EXPECT_EQ(Text().textBeforeOffset(8, QAccessible::LineBoundary, &start, &end), "ab cd\n");
    EXPECT_EQ(Text().textAfterOffset(2, QAccessible::LineBoundary, &start, &end),
              QString::fromUtf8("Привет мир\n"));
    EXPECT_EQ(Text().textBeforeOffset(2, QAccessible::LineBoundary, &start, &end), "");
    EXPECT_EQ(Text().textAfterOffset(12, QAccessible::WordBoundary, &start, &end),
              QString::fromUtf8("мир"));
}

TEST_F(ViewAccessTest, SetsAndReadsCaretAndSelectionByOffset)
{
    Text().setCursorPosition(8);
    EXPECT_EQ(view->CursorPos(), (TextPoint{2, 1}));
    EXPECT_EQ(Text().cursorPosition(), 8);
    EXPECT_EQ(Text().selectionCount(), 0);

    Text().setSelection(0, 3, 8);
    EXPECT_EQ(view->OrderedSelection().start, (TextPoint{3, 0}));
    EXPECT_EQ(view->OrderedSelection().end, (TextPoint{2, 1}));
    int start = -1, end = -1;
    Text().selection(0, &start, &end);
    EXPECT_EQ(Text().selectionCount(), 1);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 8);

    Text().removeSelection(0);
    EXPECT_EQ(Text().selectionCount(), 0);
    EXPECT_EQ(Text().cursorPosition(), 8);
    // Offsets past the end put the caret at the end of the empty last line.
    Text().setCursorPosition(99);
    EXPECT_EQ(view->CursorPos(), (TextPoint{0, 2}));
}

TEST_F(ViewAccessTest, ClientHearsCaretSelectionAndChanges)
{
    ASSERT_TRUE(Platform());
    // Without a listener nothing is sent.
    QAccessible::installUpdateHandler(Listen);
    g_heard.clear();
    view->Model().MoveCharRight(false);
    EXPECT_TRUE(g_heard.empty());

    StartListening();
    view->Model().MoveLineDown(false); // (1, 0) to (1, 1)
    EXPECT_EQ(g_heard, (std::vector<Heard>{{QAccessible::TextCaretMoved, 7, {}}}));

    g_heard.clear();
    int line = 0, ch = 0;
    Buffer().InsertText(nullptr, 2, 0, "xy", line, ch, 0);
    EXPECT_EQ(g_heard, (std::vector<Heard>{{QAccessible::TextInserted, 17, "xy"}}));
    EXPECT_EQ(Text().characterCount(), 19);

    // A removal on the caret line tells the removed characters.
    g_heard.clear();
    Buffer().DeleteText(nullptr, 1, 0, 1, 2, 0);
    ASSERT_FALSE(g_heard.empty());
    EXPECT_EQ(g_heard.front(), (Heard{QAccessible::TextRemoved, 6, QString::fromUtf8("Пр")}));
    EXPECT_EQ(g_heard.back(), (Heard{QAccessible::TextCaretMoved, 6, {}}));

    // So does the removal of the selection, across lines; the offsets after it follow.
    view->SetAnchor({1, 0});
    view->SetCursorPos({1, 1});
    view->SetSelection({1, 0}, {1, 1});
    EXPECT_EQ(g_heard.back(), (Heard{QAccessible::TextSelectionChanged, 1, "7"}));
    g_heard.clear();
    Buffer().DeleteText(nullptr, 0, 1, 1, 1, 0);
    ASSERT_FALSE(g_heard.empty());
    EXPECT_EQ(g_heard.front(), (Heard{QAccessible::TextRemoved, 1, QString::fromUtf8("b cd\nи")}));
    EXPECT_EQ(Text().text(0, Text().characterCount()), QString::fromUtf8("aвет мир\nxy"));
    int start = -1, end = -1;
    EXPECT_EQ(Text().textAtOffset(10, QAccessible::LineBoundary, &start, &end), "xy");
    EXPECT_EQ(start, 9);

    // A new title renames the text object; the modified mark does not.
    g_heard.clear();
    doc->SetModifiedFlag(true);
    EXPECT_TRUE(g_heard.empty());
    doc->SetTitle(QStringLiteral("renamed.html"));
    EXPECT_EQ(g_heard, (std::vector<Heard>{{QAccessible::NameChanged, 0, "renamed.html"}}));
}

} // namespace
