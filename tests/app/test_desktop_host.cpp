// The desktop side of the documents: the default program's answer comes from the opener's
// exit status, and the file dialog reports the folder of the file chosen.
#include "app/DesktopHost.h"
#include "controls/KFileDialog.h"
#include "support/EventWait.h"
#include "support/KeyClicks.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void ServeEventsFor(int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(DesktopHostTest, DefaultProgramFailsWhenTheOpenerFailsOrIsMissing)
{
    TempDir dir;
    const QByteArray oldPath = qgetenv("PATH");
    const std::string bin = dir.File("bin");
    std::filesystem::create_directory(bin);
    const std::string page = dir.File("page.html");
    WriteFile(page, "<p>page</p>");
    CKDesktopHost host([] { return nullptr; });

    for (const auto& [status, fails] : {std::pair{0, false}, {4, true}, {-1, true}}) {
        SCOPED_TRACE(status);
        const std::string marker = dir.File("opened-" + std::to_string(status));
        std::filesystem::remove(bin + "/xdg-open");
        if (status >= 0) {
            WriteFile(bin + "/xdg-open", "#!/bin/sh\necho \"$1\" > '" + marker + "'\nexit "
                                             + std::to_string(status) + "\n");
            std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
        }
        qputenv("PATH", QByteArray::fromStdString(bin));
        bool failed = false;
        host.OpenWithDefaultProgram(Q(page), [&failed] { failed = true; });
        qputenv("PATH", oldPath);
        // A failure is awaited; a success shows as the opener's note, and a failure reported
        // late would still come within the settle after it.
        if (fails) {
            EXPECT_TRUE(ServeEventsUntil([&] { return failed; }));
        } else {
            EXPECT_TRUE(ServeEventsUntil([&] { return failed || FileExists(marker); }));
            ServeEventsFor(300);
            EXPECT_FALSE(failed);
        }
        if (status >= 0) {
            EXPECT_EQ(ReadFile(marker), page + "\n");
        }
    }
}

// Once the file dialog shows, types names into its name field and confirms it.
void AcceptFileDialogWith(const QString& names)
{
    QTimer::singleShot(0, [names] {
        const QDeadlineTimer deadline(kEventBoundMs);
        while (!deadline.hasExpired()) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<CKFileDialog*>(w);
                if (dialog && dialog->isVisible()) {
                    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(names);
                    dialog->accept();
                    return;
                }
            }
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    });
}

TEST(DesktopHostTest, DialogReportsTheFolderOfATypedPath)
{
    TempDir dir;
    std::filesystem::create_directory(dir.File("sub"));
    WriteFile(dir.File("sub/page.html"), "x");
    CKDesktopHost host([] { return nullptr; });
    FileDialogRequest request;
    request.initialFolder = Q(dir.Path());
    AcceptFileDialogWith(QStringLiteral("sub/page.html"));
    ASSERT_TRUE(host.ChooseFileToOpen(request));
    EXPECT_EQ(request.path, Q(dir.File("sub/page.html")));
    EXPECT_EQ(request.folder, Q(dir.File("sub")));
}

TEST(DesktopHostTest, OpenDialogTakesSeveralFiles)
{
    TempDir dir;
    WriteFile(dir.File("a.html"), "a");
    WriteFile(dir.File("b.txt"), "b");
    CKDesktopHost host([] { return nullptr; });
    FileDialogRequest request;
    request.initialFolder = Q(dir.Path());
    AcceptFileDialogWith(QStringLiteral("\"a.html\" \"b.txt\""));
    ASSERT_TRUE(host.ChooseFileToOpen(request));
    EXPECT_EQ(request.paths, (QStringList{Q(dir.File("a.html")), Q(dir.File("b.txt"))}));
    EXPECT_EQ(request.path, request.paths.front());
}

// A question with buttons of its own gives the button pressed; Escape gives the default, the
// choice that changes nothing.
TEST(DesktopHostTest, ChoiceGivesTheButtonPressedAndEscapeTheDefault)
{
    CKDesktopHost host([] { return nullptr; });
    const QStringList choices = {QStringLiteral("&Restore"), QStringLiteral("&Keep"),
                                 QStringLiteral("&Delete Copy")};
    for (const auto& [press, expected] :
         {std::pair{QStringLiteral("&Delete Copy"), 2}, {QString(), 1}}) {
        SCOPED_TRACE(press.toStdString());
        QTimer::singleShot(0, [press] {
            const QDeadlineTimer deadline(5000);
            while (!deadline.hasExpired()) {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box && box->isVisible()) {
                    for (QAbstractButton* button : box->buttons())
                        if (button->text() == press)
                            return button->click();
                    KeyClick(box, Qt::Key_Escape);
                    return;
                }
                QApplication::processEvents(QEventLoop::AllEvents, 20);
            }
        });
        EXPECT_EQ(host.AskChoice(QStringLiteral("What now?"), choices, 1), expected);
    }
}

} // namespace
