// The file dialog's code-page and line-ending lists, and its question before replacing a file.
#include "controls/KFileDialog.h"
#include "res/Strings.h"
#include "support/EventWait.h"
#include "support/KeyClicks.h"
#include "support/TempDir.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDeadlineTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include <set>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QComboBox* List(CKFileDialog& dialog, const char* name)
{
    return dialog.findChild<QComboBox*>(QString::fromLatin1(name));
}

TEST(FileDialogTest, ListsStartAtTheGivenFormatAndReturnTheChoice)
{
    TempDir dir;
    WriteFile(dir.File("page.html"), "x");
    CKFileDialog dialog(CKFileDialog::Mode::Open, QString(), ResString(IDS_FILE_FILTER));
    dialog.setDirectory(Q(dir.Path()));
    dialog.selectFile(Q(dir.File("page.html")));
    dialog.SetCodePage(CodePage::Koi8R);
    dialog.SetLineEnding(LineEnding::Unix);
    dialog.show();
    QComboBox* pages = List(dialog, "fileEncoding");
    QComboBox* endings = List(dialog, "lineEnding");
    ASSERT_TRUE(pages && endings);
    ASSERT_EQ(pages->count(), 7);
    EXPECT_EQ(pages->itemText(2), QStringLiteral("KOI8-R (Unix)"));
    EXPECT_EQ(pages->itemText(5), QStringLiteral("UTF-8"));
    EXPECT_EQ(pages->itemText(6), QStringLiteral("Detect"));
    EXPECT_EQ(pages->currentIndex(), 2);
    ASSERT_EQ(endings->count(), 4);
    EXPECT_EQ(endings->itemText(0), QStringLiteral("Auto"));
    EXPECT_EQ(endings->currentIndex(), 2);

    const std::pair<int, LineEnding> choices[] = {{0, LineEnding::Auto},
                                                  {3, LineEnding::Macintosh}};
    for (const auto& [position, mode] : choices) {
        dialog.show();
        pages->setCurrentIndex(4);
        endings->setCurrentIndex(position);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.CodePage(), CodePage::Macintosh);
        EXPECT_EQ(dialog.LineEnding(), mode);
    }
    EXPECT_EQ(dialog.nameFilters().size(), 10);

    // A file to be written has no bytes to tell its page from.
    CKFileDialog save(CKFileDialog::Mode::Save, QString(), ResString(IDS_FILE_FILTER));
    save.SetCodePage(CodePage::Detect);
    save.show();
    EXPECT_EQ(List(save, "fileEncoding")->count(), 6);
    EXPECT_EQ(List(save, "fileEncoding")->currentIndex(), 0);
    save.reject();
}

// Answers the next question box with the given button.
void AnswerNextQuestion(QMessageBox::StandardButton button, bool* asked)
{
    QTimer::singleShot(0, [button, asked] {
        const QDeadlineTimer deadline(kEventBoundMs);
        while (!deadline.hasExpired()) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (box && box->isVisible()) {
                    *asked = true;
                    box->button(button)->click();
                    return;
                }
            }
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    });
}

TEST(FileDialogTest, SaveAsksBeforeReplacingAnExistingFile)
{
    TempDir dir;
    WriteFile(dir.File("exists.html"), "x");
    CKFileDialog dialog(CKFileDialog::Mode::Save, QString(), ResString(IDS_FILE_FILTER));
    dialog.setDirectory(Q(dir.Path()));
    dialog.selectFile(QStringLiteral("exists.html"));
    dialog.show();

    bool asked = false;
    AnswerNextQuestion(QMessageBox::No, &asked);
    dialog.accept();
    EXPECT_TRUE(asked);
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    asked = false;
    AnswerNextQuestion(QMessageBox::Yes, &asked);
    dialog.accept();
    EXPECT_TRUE(asked);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace

namespace {

TEST(FileDialogTest, OpensWithColumnsRoomForThemAndMnemonicsOnTheAddedLists)
{
    CKFileDialog dialog(CKFileDialog::Mode::Open, QString(), ResString(IDS_FILE_FILTER));
    EXPECT_EQ(dialog.viewMode(), QFileDialog::Detail);
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_GE(dialog.width(), std::min(800, screen.width() * 9 / 10));
    std::set<QChar> marks;
    for (const char* name : {"fileEncoding", "lineEnding"}) {
        QLabel* label = nullptr;
        for (QLabel* candidate : dialog.findChildren<QLabel*>())
            if (candidate->buddy() == List(dialog, name))
                label = candidate;
        ASSERT_TRUE(label) << name;
        const qsizetype at = label->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(at, 0) << name;
        EXPECT_TRUE(marks.insert(label->text().at(at + 1).toLower()).second) << name;
    }
}

TEST(FileDialogTest, TheCodePageListTakesTheArrowKeysFromTheNameCompletion)
{
    TempDir dir;
    WriteFile(dir.File("alpha.html"), "x");
    WriteFile(dir.File("alpine.html"), "x");
    CKFileDialog dialog(CKFileDialog::Mode::Open, QString(), ResString(IDS_FILE_FILTER));
    dialog.setDirectory(Q(dir.Path()));
    dialog.show();
    dialog.activateWindow();
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(name && name->completer());
    name->setFocus();
    ASSERT_TRUE(ServeEventsUntil([&] {
        // The folder's entries arrive from a thread of the model; typing again asks anew.
        name->clear();
        KeyClicks(name, QStringLiteral("al"));
        return name->completer()->popup()->isVisible();
    }));
    QComboBox* pages = List(dialog, "fileEncoding");
    pages->setFocus(Qt::ShortcutFocusReason); // as its label's Alt+E does
    EXPECT_FALSE(name->completer()->popup()->isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST(FileDialogTest, ColumnsShowTheirTextsWhole)
{
    TempDir dir;
    WriteFile(dir.File("page.html"), std::string(2000, 'x'));
    CKFileDialog dialog(CKFileDialog::Mode::Open, QString(), ResString(IDS_FILE_FILTER));
    dialog.setDirectory(Q(dir.Path()));
    dialog.show();
    auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(files, nullptr);
    QHeaderView* header = files->header();
    // The widest text of a column.
    const auto widest = [&](int column) {
        int width = 0;
        const QModelIndex root = files->rootIndex();
        for (int row = 0; row < files->model()->rowCount(root); ++row) {
            const QString text = files->model()->index(row, column, root).data().toString();
            width = std::max(width, files->fontMetrics().horizontalAdvance(text));
        }
        return width;
    };
    EXPECT_TRUE(ServeEventsUntil([&] {
        if (files->model()->rowCount(files->rootIndex()) == 0)
            return false;
        for (int column = 1; column < header->count(); ++column)
            if (header->sectionSize(column) < widest(column))
                return false;
        return true;
    }));
}

} // namespace
