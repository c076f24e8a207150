// The edit view as a widget: typed keys and input methods to Windows-1251, the command keys,
// the clipboard (Cut that the clipboard refuses), drops, undo texts and read-only files.
#include "doc/FakeHost.h"
#include "doc/TagwrightDoc.h"
#include "edit/KEditView.h"
#include "res/CommandIds.h"
#include "session/core/Session.h"
#include "settings/KSettingsStore.h"
#include "settings/core/AppSettings.h"
#include "support/BufferLines.h"
#include "support/TempDir.h"
#include "syntax/HtmlKeywords.h"
#include "text/KTextBuffer.h"
#include "view/TextViewAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// An edit view whose clipboard takes nothing, as when no clipboard owner can be registered.
class RefusingClipboardView : public CKEditView {
    friend class CKTextView;
    using CKEditView::CKEditView;

public:
    bool PutToClipboard(const std::string&) override { return false; }
};

class EditViewTest : public testing::Test {
protected:
    EditViewTest()
        : store(QString::fromStdString(dir.File("settings.ini"))), settings(store), session(store),
          doc(std::make_unique<CTagwrightDoc>(settings, session, host))
    {
        FillHtmlKeywords();
        doc->OnNewDocument();
        CPreferences& p = settings.Preferences();
        for (Switch on :
             {Switch::AutoIndent, Switch::SmartIndent, Switch::SmartUndo, Switch::UseTabs})
            p.SetOn(on, true);
        p.SetTabSize(4);
        p.SetOn(Switch::DragDropDisabled, false);
    }

    template <class T = CKEditView>
    T& MakeView(const Lines& lines)
    {
        std::string text;
        for (size_t i = 0; i < lines.size(); ++i)
            text += (i ? "\r\n" : "") + lines[i];
        doc->Buffer().InitEmpty(LineEnding::Dos, CodePage::Windows1251);
        int line, ch;
        doc->Buffer().RawInsert(nullptr, 0, 0, text, line, ch);
        doc->Buffer().SetModified(false);
        T* made = CKTextView::Create<T>(*doc);
        view.reset(made);
        view->resize(400, 300);
        view->show();
        return *made;
    }
    Lines Text() const { return BufferLines(doc->Buffer()); }

    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
    {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QApplication::sendEvent(view.get(), &press);
    }
    void Type(const QString& text) { Key(0, Qt::NoModifier, text); }
    void PlaceCaret(TextPoint p)
    {
        view->SetAnchor(p);
        view->SetSelection(p, p);
        view->SetCursorPos(p);
    }
    void Select(TextPoint from, TextPoint to)
    {
        view->SetAnchor(from);
        view->SetSelection(from, to);
        view->SetCursorPos(to);
    }
    std::string MenuText(int id)
    {
        CmdUI ui(id);
        EXPECT_TRUE(view->OnUpdateCommand(ui));
        return ui.text;
    }
    bool Enabled(int id)
    {
        CmdUI ui(id);
        EXPECT_TRUE(view->OnUpdateCommand(ui));
        return ui.enabled;
    }

    TempDir dir;
    CKSettingsStore store;
    AppSettings settings;
    CSession session;
    FakeHost host;
    std::unique_ptr<CTagwrightDoc> doc;
    std::unique_ptr<CKEditView> view;
};

TEST_F(EditViewTest, TypedCharactersBecomeWindows1251BytesAndTheRestIsRefused)
{
    MakeView({""});
    // Latin, Cyrillic (Russian and Ukrainian), the euro sign and a composed letter from an input
    // method (e with a combining diaeresis is the letter yo).
    Type(QStringLiteral("a"));
    Type(QStringLiteral("Ж"));
    Type(QStringLiteral("ї"));
    Type(QStringLiteral("€"));
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("е\u0308z"));
    QApplication::sendEvent(view.get(), &composed);
    const std::string typed = "a\xC6\xBF\x88\xB8z";
    EXPECT_EQ(Text(), Lines{typed});
    // Characters Windows-1251 lacks are refused, never typed as something else; control
    // characters (Escape) are no text at all.
    Type(QStringLiteral("ä"));
    Type(QStringLiteral("中"));
    Type(QStringLiteral("\U0001F600"));
    Key(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_EQ(Text(), Lines{typed});
    EXPECT_EQ(view->CursorPos(), (TextPoint{6, 0}));
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(EditViewTest, CommandKeysReachTheRules)
{
    MakeView({"<td>", "word next"});
    PlaceCaret({4, 0});
    doc->SetSourceType(SourceType::Html);
    Key(Qt::Key_Return);
    Type(QStringLiteral("x"));
    EXPECT_EQ(Text(), (Lines{"<td>", "\tx", "word next"}));
    // Tab and Shift+Tab reach the view and do not move the focus; Shift+Tab comes as Backtab.
    Select({0, 1}, {0, 2});
    Key(Qt::Key_Tab);
    EXPECT_EQ(Text(), (Lines{"<td>", "\t\tx", "word next"}));
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Text(), (Lines{"<td>", "x", "word next"}));
    PlaceCaret({9, 2});
    Key(Qt::Key_Backspace, Qt::ControlModifier);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Text(), (Lines{"<td>", "x", "word"}));
    PlaceCaret({1, 1});
    Key(Qt::Key_Delete);
    EXPECT_EQ(Text(), (Lines{"<td>", "xword"}));
    // Ins switches overwrite mode, which lights the OVR pane.
    EXPECT_EQ(view->Status().overwrite, "");
    PlaceCaret({0, 1});
    Key(Qt::Key_Insert);
    EXPECT_EQ(view->Status().overwrite, "OVR");
    Type(QStringLiteral("W"));
    EXPECT_EQ(Text(), (Lines{"<td>", "Wword"}));
    Key(Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(view->ViewWhitespace());
}

TEST_F(EditViewTest, UndoAndRedoNameTheirStepsAndTheModifiedMarkFollows)
{
    MakeView({"  line"});
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Undo\tCtrl+Z");
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_EQ(MenuText(ID_EDIT_REDO), "&Redo\tCtrl+Y");
    PlaceCaret({6, 0});
    Type(QStringLiteral("s"));
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Undo Typing\tCtrl+Z");
    EXPECT_EQ(doc->DisplayTitle().right(2), QStringLiteral(" *"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Text(), (Lines{"  lines", "  "}));
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Undo Auto Indent\tCtrl+Z");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(), (Lines{"  lines", ""}));
    EXPECT_EQ(MenuText(ID_EDIT_REDO), "&Redo Auto Indent\tCtrl+Y");
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(), Lines{"  line"});
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(doc->DisplayTitle().endsWith(QStringLiteral(" *")));
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Text(), Lines{"  lines"});
    EXPECT_EQ(view->CursorPos(), (TextPoint{7, 0}));
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(EditViewTest, CutAndPasteGoThroughTheClipboardAsUnicodeWithLineFeeds)
{
    MakeView({"\xEE\xE4\xE8\xED", "\xE4\xE2\xE0"}); // "один", "два"
    Select({1, 0}, {2, 1});
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("дин\nдв"));
    EXPECT_EQ(Text(), Lines{"\xEE\xE0"});
    QGuiApplication::clipboard()->setText(QStringLiteral("x\ny\u00E4z"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(), (Lines{"\xEEx", "yz\xE0"}));
    // The character Windows-1251 lacks is reported once, not changed into another.
    ASSERT_EQ(host.warnings.size(), 1);
    EXPECT_TRUE(host.warnings[0].startsWith(QStringLiteral("1 ")));
}

TEST_F(EditViewTest, CutThatTheClipboardRefusesDeletesNothing)
{
    auto& refusing = MakeView<RefusingClipboardView>({"keep this"});
    Select({0, 0}, {4, 0});
    refusing.OnCommand(ID_EDIT_CUT);
    EXPECT_EQ(Text(), Lines{"keep this"});
    EXPECT_TRUE(view->HasSelection());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(host.warnings.size(), 1);
}

TEST_F(EditViewTest, ReadOnlyFilesTakeNoEditsAndLightTheReadPane)
{
    MakeView({"fixed"});
    doc->Buffer().SetReadOnly(true);
    PlaceCaret({5, 0});
    Type(QStringLiteral("x"));
    Key(Qt::Key_Return);
    Key(Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(), Lines{"fixed"});
    EXPECT_EQ(view->Status().readOnly, "READ");
}

TEST_F(EditViewTest, AssistiveClientEditsByOffsetAsUndoableStepsUnlessReadOnly)
{
    MakeView({"ab cd", "ef"});
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(view.get());
    ASSERT_TRUE(access && access->editableTextInterface());
    EXPECT_TRUE(access->state().editable);

    // Unicode in, Windows-1251 bytes and CR LF line breaks in the buffer.
    access->editableTextInterface()->replaceText(1, 4, QString::fromUtf8("Жx\ny"));
    EXPECT_EQ(Text(), (Lines{"a\xC6x", "yd", "ef"}));
    access->editableTextInterface()->deleteText(5, 7);
    access->editableTextInterface()->insertText(8, QStringLiteral("!"));
    EXPECT_EQ(Text(), (Lines{"a\xC6x", "yef!"}));
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text(), (Lines{"ab cd", "ef"}));

    doc->Buffer().SetReadOnly(true);
    EXPECT_TRUE(access->state().readOnly);
    EXPECT_EQ(access->editableTextInterface(), nullptr);
    static_cast<QAccessibleEditableTextInterface*>(static_cast<CTextViewAccessible*>(access))
        ->insertText(0, QStringLiteral("x"));
    EXPECT_EQ(Text(), (Lines{"ab cd", "ef"}));
}

// Drops at the middle of a character cell of a position.
class EditViewDropTest : public EditViewTest {
protected:
    QPoint At(TextPoint p)
    {
        return view->PositionToPixel(p) + QPoint(1, view->GetLineHeight() / 2);
    }
    bool Drop(TextPoint p, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(At(p), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, mods);
        QApplication::sendEvent(view->viewport(), &enter);
        QDragMoveEvent move(At(p), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, mods);
        QApplication::sendEvent(view->viewport(), &move);
        EXPECT_TRUE(view->DropCaretShown());
        EXPECT_EQ(view->DropPoint(), p);
        QDropEvent drop(At(p), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, mods);
        QApplication::sendEvent(view->viewport(), &drop);
        EXPECT_FALSE(view->DropCaretShown());
        return drop.isAccepted();
    }
};

TEST_F(EditViewDropTest, DroppedTextIsInsertedAndSelected)
{
    MakeView({"abc", "def"});
    EXPECT_TRUE(Drop({1, 1}, QStringLiteral("Да\nнет")));
    EXPECT_EQ(Text(), (Lines{"abc", "d\xc4\xe0",
                             "\xed\xe5\xf2"
                             "ef"}));
    EXPECT_EQ(view->SelectionStart(), (TextPoint{1, 1}));
    EXPECT_EQ(view->CursorPos(), (TextPoint{3, 2}));
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Undo Drag And Drop\tCtrl+Z");
    // Drag and drop switched off refuses drops.
    settings.Preferences().SetOn(Switch::DragDropDisabled, true);
    QMimeData data;
    data.setText(QStringLiteral("no"));
    QDropEvent drop(At({0, 0}), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    EXPECT_FALSE(drop.isAccepted());
    EXPECT_EQ(Text().front(), "abc");
}

TEST_F(EditViewDropTest, TextDraggedWithinTheViewMovesAndOntoItsOwnSelectionStays)
{
    MakeView({"one two three"});
    Select({4, 0}, {8, 0});
    delete view->PrepareDragData();
    // Onto its own selection: the caret goes there, the text stays.
    EXPECT_FALSE(Drop({5, 0}, QStringLiteral("two ")));
    EXPECT_EQ(Text(), Lines{"one two three"});
    EXPECT_EQ(view->CursorPos(), (TextPoint{5, 0}));
    Select({4, 0}, {8, 0});
    delete view->PrepareDragData();
    EXPECT_TRUE(Drop({13, 0}, QStringLiteral("two ")));
    view->AfterDragDrop(Qt::MoveAction);
    EXPECT_EQ(Text(), Lines{"one threetwo "});
    // The move is one step.
    view->OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Text(), Lines{"one two three"});
}

} // namespace

namespace {

// While an incremental search runs, typed characters and Backspace belong to the search text,
// never to the page.
TEST_F(EditViewTest, IncrementalSearchTakesTheTypedKeysInsteadOfTheText)
{
    MakeView({"alpha beta", "Beta"});
    PlaceCaret({0, 0});
    Key(Qt::Key_I, Qt::ControlModifier);
    Type(QStringLiteral("b"));
    Type(QStringLiteral("e"));
    Key(Qt::Key_Backspace);
    Type(QStringLiteral("e"));
    EXPECT_EQ(Text(), (Lines{"alpha beta", "Beta"}));
    EXPECT_EQ(view->OrderedSelection().start, (TextPoint{6, 0}));
    EXPECT_EQ(view->OrderedSelection().end, (TextPoint{8, 0}));
    EXPECT_FALSE(doc->Buffer().IsModified());
}

} // namespace

TEST_F(EditViewTest, EveryCommandButTheSearchKeysEndsARunningIncrementalSearchFirst)
{
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers mods;
        std::string after; // the text once the command ran on the match "b"
    };
    const Case cases[] = {
        {"Delete", Qt::Key_Delete, Qt::NoModifier, "ac abc"},
        {"Ctrl+Backspace", Qt::Key_Backspace, Qt::ControlModifier, "ac abc"},
        {"Uppercase", Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier, "aBc abc"},
        {"Tag <B>", Qt::Key_B, Qt::ControlModifier, "a<B>b</B>c abc"},
        {"Overwrite", Qt::Key_Insert, Qt::NoModifier, "abc abc"},
        {"Ctrl+Del", Qt::Key_Delete, Qt::ControlModifier, "ac abc"},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, "abc abc"},
        {"AutoComplete", Qt::Key_Space, Qt::ControlModifier, "abc abc"},
        {"Copy", Qt::Key_C, Qt::ControlModifier, "abc abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeView({"abc abc"});
        PlaceCaret({0, 0});
        Key(Qt::Key_I, Qt::ControlModifier);
        Type(QStringLiteral("b"));
        ASSERT_FALSE(view->Status().prompt.empty());
        Key(c.key, c.mods);
        EXPECT_EQ(view->Status().prompt, "");
        EXPECT_EQ(Text(), Lines{c.after});
        // What is typed next is text again, not more of the search.
        PlaceCaret({static_cast<int>(c.after.size()), 0});
        Type(QStringLiteral("X"));
        EXPECT_EQ(Text(), Lines{c.after + "X"});
    }
}

// An edit view whose every change runs out of memory as it begins.
class ExhaustedView : public CKEditView {
    friend class CKTextView;
    using CKEditView::CKEditView;

public:
    bool IsEditable() const override
    {
        if (exhausted)
            throw std::bad_alloc();
        return CKEditView::IsEditable();
    }
    bool exhausted = false;
};

TEST_F(EditViewTest, ChangesThatRunOutOfMemoryAreReportedAndTheViewGoesOn)
{
    ExhaustedView& exhausted = MakeView<ExhaustedView>({"abc"});
    exhausted.exhausted = true;
    QMimeData dropped;
    dropped.setText(QStringLiteral("dropped"));
    const std::pair<const char*, std::function<void()>> paths[] = {
        {"typing", [&] { Type(QStringLiteral("x")); }},
        {"a key's command", [&] { Key(Qt::Key_V, Qt::ControlModifier); }},
        {"an input method",
         [&] {
             QInputMethodEvent composed;
             composed.setCommitString(QStringLiteral("x"));
             QApplication::sendEvent(view.get(), &composed);
         }},
        {"a drop",
         [&] {
             // The memory runs out between the drag's arrival and the drop.
             exhausted.exhausted = false;
             const QPoint at(30, 5);
             QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(view->viewport(), &enter);
             QDragMoveEvent move(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(view->viewport(), &move);
             exhausted.exhausted = true;
             QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(view->viewport(), &drop);
             EXPECT_FALSE(drop.isAccepted());
         }},
    };
    for (const auto& [name, change] : paths) {
        SCOPED_TRACE(name);
        host.errors.clear();
        change();
        ASSERT_EQ(host.errors.size(), 1);
        EXPECT_TRUE(host.errors.front().contains(QStringLiteral("not enough memory")));
    }
    exhausted.exhausted = false;
    Type(QStringLiteral("y"));
    EXPECT_EQ(Text(), Lines{"yabc"});
}

TEST_F(EditViewTest, HelperKeysExpandWrapAndInsertMacros)
{
    MakeView({"td", "one word"});
    doc->SetSourceType(SourceType::Html);
    // Alt+Enter expands the abbreviation before the caret; on the first line AutoComplete is
    // off, AutoExpand on.
    PlaceCaret({2, 0});
    EXPECT_TRUE(Enabled(ID_EDIT_AUTO_EXPAND));
    EXPECT_FALSE(Enabled(ID_EDIT_AUTO_COMPLETE));
    Key(Qt::Key_Return, Qt::AltModifier);
    ASSERT_EQ(Text(), (Lines{"<TD>", "\t", "</TD>", "", "one word"}));
    EXPECT_EQ(view->CursorPos(), (TextPoint{1, 1}));
    const int wordLine = 4;
    // Ctrl+B wraps the selected word, which stays in place unselected.
    Select({4, wordLine}, {8, wordLine});
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Text().back(), "one <B>word</B>");
    EXPECT_FALSE(view->HasSelection());
    EXPECT_EQ(view->CursorPos(), (TextPoint{7, wordLine}));
    // Ctrl+1 reads macro 1 from the settings at the moment of use.
    store.WriteString("Settings/Macros/Before", "Macros 1", "[");
    store.WriteString("Settings/Macros/After", "Macros 1", "]");
    Select({0, wordLine}, {3, wordLine});
    Key(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(Text().back(), "[one] <B>word</B>");
    store.WriteString("Settings/Macros/Before", "Macros 1", "\xD0\xB6"); // UTF-8 zhe
    PlaceCaret({0, wordLine});
    Key(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(Text().back(), "\xE6][one] <B>word</B>");
    // Ctrl+Shift+U turns the selection upper case and keeps it selected.
    Select({2, wordLine}, {7, wordLine});
    Key(Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Text().back(), "\xE6][ONE] <B>word</B>");
    EXPECT_TRUE(view->HasSelection());
}
