// The external previews and the preview file they leave behind until the next one.
#include "doc/Preview.h"

#include "controls/QtText.h"
#include "doc/DocHost.h"
#include "doc/TagwrightDoc.h"
#include "doc/core/AppSettings.h"
#include "res/Strings.h"

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

// The folder this run made for the previews of untitled texts; empty until the first.
QString& PrivateFolder()
{
    static QString folder;
    return folder;
}

// A folder only this user can enter, made by this run: nobody else can plant a file or a
// link under the preview's name there.
bool IsPrivateFolder(const QString& folder)
{
    struct stat info;
    return lstat(NativePath(folder).c_str(), &info) == 0 && S_ISDIR(info.st_mode)
           && info.st_uid == geteuid() && (info.st_mode & 07777) == 0700;
}

// The untitled text's preview file in the private folder, made anew; empty when no private
// folder can be made.
QString CreateUntitledPreviewFile()
{
    QString& folder = PrivateFolder();
    if (folder.isEmpty() || !IsPrivateFolder(folder)) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        const QString parent
            = !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : TemporaryFolder();
        std::string pattern = NativePath(
            QDir(parent).filePath(QString::fromLatin1(kPrivateFolderPrefix) + "XXXXXX"));
        if (!mkdtemp(pattern.data()))
            return QString();
        folder = QFile::decodeName(pattern.c_str());
    }
    const QString file = QDir(folder).filePath(QString::fromLatin1(kPreviewFileName));
    const std::string native = NativePath(file);
    unlink(native.c_str());
    const int fd = open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return QString();
    close(fd);
    return file;
}

// Writes the buffer as it is to file, without a backup and leaving the text modified.
bool WritePreviewFile(CTagwrightDoc& doc, const QString& file)
{
    CKTextBuffer& buffer = doc.Buffer();
    const bool backup = buffer.BackupOnSave();
    buffer.SetBackupOnSave(false);
    const bool ok = buffer.Save(NativePath(file).c_str(), -1, false);
    buffer.SetBackupOnSave(backup);
    return ok;
}

} // namespace

QString TemporaryFolder()
{
    for (const char* name : {"TMPDIR", "TMP", "TEMP"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("/tmp");
}

void DeletePreviewFile(AppSettings& settings)
{
    const std::string file = settings.LastFile(settings_values::kLastPreview);
    if (file.empty())
        return;
    settings.SetLastFile(settings_values::kLastPreview, "");
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
    CKDocHost& host = doc.Host();
    const int browser = static_cast<int>(target);
    const QString browserPath = target == PreviewTarget::DefaultBrowser
                                    ? QString()
                                    : QString::fromStdString(settings.Global().BrowserPath(browser));
    if (target != PreviewTarget::DefaultBrowser && browserPath.isEmpty()) {
        host.ShowWarning(ResText(IDS_NO_BROWSER_PATH).arg(browser));
        return;
    }

    const QString path = doc.PathName();
    TW_TRACE(settings, TraceText(target) + NativePath(path) + "\"");
    DeletePreviewFile(settings);

    QString file = path;
    if (path.isEmpty()) {
        file = CreateUntitledPreviewFile();
        if (file.isEmpty() || !WritePreviewFile(doc, file)) {
            host.ShowError(ResText(IDS_NO_TEMP_PREVIEW));
            return;
        }
        settings.SetLastFile(settings_values::kLastPreview, NativePath(file));
    } else if (!settings.Global().saveBeforePreview) {
        file = QDir(QFileInfo(path).absolutePath()).filePath(QString::fromLatin1(kPreviewFileName));
        if (!WritePreviewFile(doc, file)) {
            host.ShowError(ResText(IDS_NO_TEMP_PREVIEW));
            return;
        }
        settings.SetLastFile(settings_values::kLastPreview, NativePath(file));
    } else if (doc.IsModified() && !doc.OnSaveDocument(path)) {
        // Saving an unchanged text would only replace its backup with the same text. A save
        // that failed or was declined leaves an old file that must not be shown as the text.
        return;
    }

    if (target == PreviewTarget::DefaultBrowser) {
        host.OpenWithDefaultProgram(file, [&settings, &host, file] {
            // A later preview may have replaced the file meanwhile; that one stays.
            if (QFile::decodeName(settings.LastFile(settings_values::kLastPreview).c_str()) == file)
                DeletePreviewFile(settings);
            host.ShowError(ResText(IDS_NO_PREVIEW_PROGRAM));
        });
        return;
    }
    QString error;
    if (!host.StartProgram(browserPath, {file}, error)) {
        host.ShowError(ResText(IDS_BROWSER_NOT_STARTED).arg(QString::number(browser), browserPath, error));
        DeletePreviewFile(settings);
    }
}
