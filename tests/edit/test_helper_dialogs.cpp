// The Insert Image dialog, the colour dialog of colour insertion, and macro export and import
// with their file dialog and messages.
#include "MemorySettings.h"

#include "edit/ColourInsertion.h"
#include "edit/InsertImageDialog.h"
#include "edit/MacroTransferUi.h"
#include "edit/core/Macros.h"
#include "support/AccessibleNames.h"
#include "support/KeyClicks.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

template <typename T>
T* Child(QWidget& dialog, const char* name)
{
    T* child = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Runs action on the modal dialog of type T once it shows.
template <typename T>
void WhenShown(std::function<void(T&)> action)
{
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(*dialog);
    });
}

TEST(InsertImageDialog, EnablesOkOnlyWithAFileName)
{
    CInsertImageDialog dialog(ImageFields{});
    QPushButton* ok = Child<QPushButton>(dialog, "ok");
    EXPECT_FALSE(ok->isEnabled());
    Child<QLineEdit>(dialog, "fileName")->setText("a.gif");
    EXPECT_TRUE(ok->isEnabled());
    Child<QLineEdit>(dialog, "fileName")->clear();
    EXPECT_FALSE(ok->isEnabled());

    EXPECT_EQ(ok->toolTip(), "Insert Image");
    EXPECT_EQ(Child<QPushButton>(dialog, "cancel")->toolTip(), "Cancel");
    EXPECT_EQ(Child<QPushButton>(dialog, "browse")->toolTip(), "Browse for a file");
}

TEST(InsertImageDialog, TypingReplacesTheRememberedName)
{
    ImageFields fields;
    fields.fileName = "old.gif";
    CInsertImageDialog dialog(fields);
    dialog.show();
    QCoreApplication::processEvents();
    auto* name = Child<QLineEdit>(dialog, "fileName");
    ASSERT_EQ(dialog.focusWidget(), name);
    KeyClicks(name, "n");
    EXPECT_EQ(name->text(), "n");
}

TEST(InsertImageDialog, EveryControlHasAnAccessibleName)
{
    CInsertImageDialog dialog(ImageFields{});
    EXPECT_EQ(UnnamedControls(dialog), std::vector<std::string>());
}

TEST(InsertImageDialog, BrowseTakesTheChosenPathAndKeepsTheNameOnCancel)
{
    ImageFields fields;
    fields.fileName = "old.gif";
    CInsertImageDialog dialog(fields);
    QString offered;
    QStringList filters;
    QString answer = "/pics/new.jpg";
    dialog.SetFileChooser([&](QWidget*, const QString& current, const QStringList& f) {
        offered = current;
        filters = f;
        return answer;
    });
    dialog.Browse();
    EXPECT_EQ(offered, "old.gif");
    EXPECT_EQ(filters, (QStringList{"Image Files (.jpg;.jpeg;.gif;.png;.svg;.webp;.bmp) "
                                    "(*.jpg *.jpeg *.gif *.png *.svg *.webp *.bmp)",
                                    "All Files (*.*) (*)"}));
    EXPECT_EQ(dialog.Fields().fileName, "/pics/new.jpg");
    answer.clear();
    dialog.Browse();
    EXPECT_EQ(dialog.Fields().fileName, "/pics/new.jpg");
}

TEST(InsertImageDialog, ABrowsedImageIsWrittenRelativeToTheDocument)
{
    const struct {
        const char* folder;
        const char* chosen;
        const char* written;
    } cases[] = {
        {"/site/pages", "/site/pages/a.png", "a.png"},
        {"/site/pages", "/site/img/b.webp", "../img/b.webp"},
        {"/site", "/site/img/sub/c.svg", "img/sub/c.svg"},
        {"", "/pics/d.gif", "/pics/d.gif"}, // an untitled document has no folder
    };
    for (const auto& c : cases) {
        ImageFields fields;
        fields.fileName = "old.gif";
        CInsertImageDialog dialog(fields, QString::fromUtf8(c.folder));
        QString offered;
        dialog.SetFileChooser([&](QWidget*, const QString& current, const QStringList&) {
            offered = current;
            return QString::fromUtf8(c.chosen);
        });
        dialog.Browse();
        EXPECT_EQ(dialog.Fields().fileName, c.written) << c.folder;
        // The remembered name is taken in the page's folder.
        EXPECT_EQ(offered, *c.folder ? QString::fromUtf8(c.folder) + "/old.gif" : "old.gif");
    }
}

TEST(InsertImageDialog, BrowseFillsInTheImageSize)
{
    TempDir dir;
    const QString picture = QString::fromStdString(dir.File("p.png"));
    ASSERT_TRUE(QImage(37, 21, QImage::Format_RGB32).save(picture));
    WriteFile(dir.File("broken.png"), "not an image");

    ImageFields fields;
    fields.width = "1";
    fields.height = "2";
    CInsertImageDialog dialog(fields, QString::fromStdString(dir.Path()));
    QString answer = QString::fromStdString(dir.File("broken.png"));
    dialog.SetFileChooser([&](QWidget*, const QString&, const QStringList&) { return answer; });
    dialog.Browse(); // a file that does not read as an image keeps the sizes typed
    EXPECT_EQ(dialog.Fields().width, "1");
    EXPECT_EQ(dialog.Fields().height, "2");
    answer = picture;
    dialog.Browse();
    EXPECT_EQ(dialog.Fields().fileName, "p.png");
    EXPECT_EQ(dialog.Fields().width, "37");
    EXPECT_EQ(dialog.Fields().height, "21");
}

TEST(InsertImageDialog, AlignOffersSortedChoicesAndTakesFreeText)
{
    ImageFields fields;
    fields.align = "my own";
    CInsertImageDialog dialog(fields);
    QComboBox* align = Child<QComboBox>(dialog, "align");
    EXPECT_TRUE(align->isEditable());
    QStringList items;
    for (int i = 0; i < align->count(); ++i)
        items << align->itemText(i);
    EXPECT_EQ(items, (QStringList{"absbottom", "absmiddle", "baseline", "bottom", "left", "middle",
                                  "right", "texttop", "top"}));
    EXPECT_EQ(dialog.Fields().align, "my own");
}

TEST(InsertImageDialog, OkKeepsTheFieldsAndGivesTheTagInWindows1251)
{
    MemorySettings store;
    store.WriteString("Settings/IMG", "Width", "640");
    WhenShown<CInsertImageDialog>([](CInsertImageDialog& dialog) {
        EXPECT_EQ(Child<QLineEdit>(dialog, "width")->text(), "640");
        Child<QLineEdit>(dialog, "fileName")->setText(QString::fromUtf8("\xD1\x8F.gif")); // ya
        Child<QLineEdit>(dialog, "altText")->setText("alt");
        Child<QPushButton>(dialog, "ok")->click();
    });
    const std::optional<std::string> tag = CInsertImageDialog::AskTag(nullptr, store);
    ASSERT_TRUE(tag);
    EXPECT_EQ(*tag, "<IMG src=\"\xFF.gif\" alt=\"alt\" width=\"640\">");
    EXPECT_EQ(store.ReadString("Settings/IMG", "File name"), "\xD1\x8F.gif");
    EXPECT_EQ(store.ReadString("Settings/IMG", "Alt.Text", "none"), "none");

    WhenShown<CInsertImageDialog>([](CInsertImageDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(CInsertImageDialog::AskTag(nullptr, store));
}

TEST(ColourInsertionDialog, StartsFromTheKeptColoursAndKeepsTheChoice)
{
    MemorySettings store;
    uint32_t offered = 0;
    CustomColours offeredCustom{};
    const auto pick = [&](QWidget*, uint32_t initial,
                          CustomColours& custom) -> std::optional<uint32_t> {
        offered = initial;
        offeredCustom = custom;
        custom[0] = 0x123456;
        return 0x0000FF;
    };
    const std::optional<TagTexts> texts = AskColourTexts(nullptr, store, true, pick);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->open, "<FONT color=#FF0000>");
    EXPECT_EQ(offered, 0x808080u);
    EXPECT_EQ(offeredCustom, DefaultColourChoice().custom);
    EXPECT_EQ(ReadColourChoice(store).last, 0x0000FFu);
    EXPECT_EQ(ReadColourChoice(store).custom[0], 0x123456u);

    MemorySettings untouched;
    const auto cancel = [](QWidget*, uint32_t, CustomColours& custom) -> std::optional<uint32_t> {
        custom[1] = 1;
        return std::nullopt;
    };
    EXPECT_FALSE(AskColourTexts(nullptr, untouched, false, cancel));
    EXPECT_TRUE(untouched.values.empty());
}

TEST(ColourInsertionDialog, TheColourDialogStartsAtTheInitialColourWithTheCustomColours)
{
    CustomColours custom = DefaultColourChoice().custom;
    custom[2] = 0x00FF00; // green
    WhenShown<QColorDialog>([](QColorDialog& dialog) {
        EXPECT_EQ(dialog.currentColor(), QColor(0x80, 0x80, 0x80));
        EXPECT_EQ(QColorDialog::customColor(2), QColor(0, 0xFF, 0));
        dialog.setCurrentColor(QColor(0xFF, 0, 0));
        dialog.accept();
    });
    const CustomColours before = custom;
    EXPECT_EQ(PickWithColourDialog(nullptr, 0x808080, custom), 0x0000FFu);
    EXPECT_EQ(custom, before);
}

class MacroTransferUiTest : public testing::Test {
protected:
    MacroFileAsker AnswerWith(const std::string& path)
    {
        return [this, path](QWidget*, bool save) {
            asked.push_back(save);
            return QString::fromStdString(path);
        };
    }
    MessageTeller Remember()
    {
        return [this](QWidget*, const QString& message) { messages << message; };
    }

    TempDir dir;
    MemorySettings store;
    std::vector<bool> asked;
    QStringList messages;
};

TEST_F(MacroTransferUiTest, ExportsAndImportsThroughTheAskedFile)
{
    store.WriteString(kMacrosBeforeKey, "Macros 6", "<p>\r\n\t");
    const std::string path = dir.File("m.tgm");
    EXPECT_TRUE(ExportMacrosAsked(nullptr, store, AnswerWith(path), Remember()));
    MemorySettings fresh;
    EXPECT_TRUE(ImportMacrosAsked(nullptr, fresh, AnswerWith(path), Remember()));
    EXPECT_EQ(ReadMacro(fresh, 6).before, "<p>\r\n\t");
    EXPECT_EQ(asked, (std::vector<bool>{true, false}));
    EXPECT_TRUE(messages.isEmpty());

    EXPECT_FALSE(ExportMacrosAsked(nullptr, store, AnswerWith(""), Remember()));
    EXPECT_FALSE(ImportMacrosAsked(nullptr, store, AnswerWith(""), Remember()));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MacroTransferUiTest, FailuresAreShownWithTheirMessages)
{
    EXPECT_TRUE(ExportMacrosAsked(nullptr, store, AnswerWith(dir.File("no/m.tgm")), Remember()));
    WriteFile(dir.File("bad.tgm"), "\x10TGWRMACROFILE10!");
    EXPECT_TRUE(ImportMacrosAsked(nullptr, store, AnswerWith(dir.File("bad.tgm")), Remember()));
    EXPECT_TRUE(ImportMacrosAsked(nullptr, store, AnswerWith(dir.File("none.tgm")), Remember()));
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(messages[0].startsWith("Cannot open file for writing!"))
        << messages[0].toStdString();
    EXPECT_EQ(messages[1], "Bad macroses file, or file for older version of editor");
    EXPECT_TRUE(messages[2].startsWith("Cannot open file for read!"));
    EXPECT_TRUE(messages[2].contains(QString::fromStdString(dir.File("none.tgm"))))
        << messages[2].toStdString();
}

} // namespace
