// The external previews and the preview file they leave behind until the next one.
#include "doc/Preview.h"

#include "controls/QtText.h"
#include "doc/DocHost.h"
#include "doc/TagwrightDoc.h"
#include "res/Strings.h"
#include "session/core/Session.h"
#include "settings/core/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* TraceText(PreviewTarget target)
{
    switch (target) {
    case PreviewTarget::Browser1:
        return "Preview in browser 1, file \"";
    case PreviewTarget::Browser2:
        return "Preview in browser 2, file \"";
    case PreviewTarget::DefaultBrowser:
        break;
    }
    return "Preview in system default browser, file \"";
}

constexpr char kPrivateFolderPrefix[] = "tagwright-preview-";

// The folder this run made for the previews of untitled texts, and of documents whose folder
// cannot take one; empty until the first.
QString& PrivateFolder()
{
    static QString folder;
    return folder;
}

// Makes the preview file anew, empty, for this user alone (mode 0600), never through a link:
// the text is written into a file nobody else can read. A file of this user's own under that
// name is the preview an earlier one left, and goes first; anything else there stays, and
// false is returned.
bool CreatePreviewFile(const QString& file)
{
    const std::string native = NativePath(file);
    struct stat info;
    if (lstat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid())
        unlink(native.c_str());
    const int fd = open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    close(fd);
    return true;
}

// The preview file in the private folder, made anew; empty when no private folder can be made.
QString CreatePrivatePreviewFile()
{
    QString& folder = PrivateFolder();
    if (folder.isEmpty() || !IsPrivateFolder(folder)) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        const QString parent =
            !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : TemporaryFolder();
        std::string pattern =
            NativePath(QDir(parent).filePath(QString::fromLatin1(kPrivateFolderPrefix) + "XXXXXX"));
        if (!mkdtemp(pattern.data()))
            return QString();
        folder = QFile::decodeName(pattern.c_str());
    }
    const QString file = QDir(folder).filePath(QString::fromLatin1(kPreviewFileName));
    return CreatePreviewFile(file) ? file : QString();
}

// Writes the buffer as it is to file, without a backup and leaving the text modified.
bool WritePreviewFile(CTagwrightDoc& doc, const QString& file)
{
    CKTextBuffer& buffer = doc.Buffer();
    const bool backup = buffer.BackupOnSave();
    buffer.SetBackupOnSave(false);
    const bool ok = buffer.Save(NativePath(file).c_str(), LineEnding::Auto, false);
    buffer.SetBackupOnSave(backup);
    return ok;
}

} // namespace

bool IsPrivateFolder(const QString& folder)
{
    struct stat info;
    return lstat(NativePath(folder).c_str(), &info) == 0 && S_ISDIR(info.st_mode)
           && info.st_uid == geteuid() && (info.st_mode & 07777) == 0700;
}

QString TemporaryFolder()
{
    for (const char* name : {"TMPDIR", "TMP", "TEMP"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("/tmp");
}

void DeletePreviewFile(CSession& session)
{
    const std::string file = session.PendingPreview();
    if (file.empty())
        return;
    session.SetPendingPreview("");
    const QString path = QFile::decodeName(file.c_str());
    QFile::remove(path);
    // A private folder of an earlier run goes with its file.
    const QFileInfo info(path);
    if (info.absoluteDir().dirName().startsWith(QLatin1String(kPrivateFolderPrefix))
        && info.absolutePath() != PrivateFolder())
        QDir().rmdir(info.absolutePath());
}

void RemovePreviewFolder()
{
    QString& folder = PrivateFolder();
    if (folder.isEmpty())
        return;
    QFile::remove(QDir(folder).filePath(QString::fromLatin1(kPreviewFileName)));
    QDir().rmdir(folder);
    folder.clear();
}

void ExternalPreview(CTagwrightDoc& doc, PreviewTarget target)
{
    AppSettings& settings = doc.Settings();
    CSession& session = doc.Session();
    CKDocHost& host = doc.Host();
    const int browser = static_cast<int>(target);
    const QString browserPath =
        target == PreviewTarget::DefaultBrowser
            ? QString()
            : QString::fromStdString(settings.Preferences().BrowserPath(browser));
    if (target != PreviewTarget::DefaultBrowser && browserPath.isEmpty()) {
        host.ShowWarning(ResText(IDS_NO_BROWSER_PATH).arg(browser));
        return;
    }

    const QString path = doc.PathName();
    const std::string& native = doc.NativePathName();
    TW_TRACE(settings, TraceText(target) + native + "\"");
    DeletePreviewFile(session);

    // Saving an unchanged text would only replace its backup with the same text. A save that
    // failed or was declined leaves an old file that must not be shown as the text.
    const bool saveFirst =
        !native.empty() && settings.Preferences().IsOn(Switch::SaveBeforePreview);
    if (saveFirst && doc.IsModified() && !doc.OnSaveDocument(native))
        return;
    // Browsers are handed the path as text, and a name that is not UTF-8 would name another
    // file: such a document is shown through a copy in the private folder.
    const bool nameable = !native.empty() && NativePath(path) == native;
    QString file = path;
    if (!saveFirst || !nameable) {
        // Beside the document, so that its relative links work; in a shared folder where
        // another user took the name first, from the private folder instead.
        file = nameable ? QDir(QFileInfo(path).absolutePath())
                              .filePath(QString::fromLatin1(kPreviewFileName))
                        : QString();
        if (file.isEmpty() || !CreatePreviewFile(file))
            file = CreatePrivatePreviewFile();
        if (file.isEmpty() || !WritePreviewFile(doc, file)) {
            host.ShowError(ResText(IDS_NO_TEMP_PREVIEW));
            return;
        }
        session.SetPendingPreview(NativePath(file));
    }

    if (target == PreviewTarget::DefaultBrowser) {
        host.OpenWithDefaultProgram(file, [&session, &host, file] {
            // A later preview may have replaced the file meanwhile; that one stays.
            if (QFile::decodeName(session.PendingPreview().c_str()) == file)
                DeletePreviewFile(session);
            host.ShowError(ResText(IDS_NO_PREVIEW_PROGRAM));
        });
        return;
    }
    QString error;
    if (!host.StartProgram(browserPath, {file}, error)) {
        host.ShowError(
            ResText(IDS_BROWSER_NOT_STARTED).arg(QString::number(browser), browserPath, error));
        DeletePreviewFile(session);
    }
}
