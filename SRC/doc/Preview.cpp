// The external previews and the preview file they leave behind until the next one.
#include "doc/Preview.h"

#include "doc/DocHost.h"
#include "doc/TagwrightDoc.h"
#include "doc/core/AppSettings.h"
#include "res/Strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString Res(int id)
{
    const std::string_view text = ResString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
    QFile::remove(QFile::decodeName(file.c_str()));
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
        host.ShowWarning(Res(IDS_NO_BROWSER_PATH).arg(browser));
        return;
    }

    const QString path = doc.PathName();
    TW_TRACE(settings, TraceText(target) + NativePath(path) + "\"");
    DeletePreviewFile(settings);

    QString file = path;
    if (path.isEmpty() || !settings.Global().saveBeforePreview) {
        const QString folder = path.isEmpty() ? TemporaryFolder() : QFileInfo(path).absolutePath();
        file = QDir(folder).filePath(QString::fromLatin1(kPreviewFileName));
        if (!WritePreviewFile(doc, file)) {
            host.ShowError(Res(IDS_NO_TEMP_PREVIEW));
            return;
        }
        settings.SetLastFile(settings_values::kLastPreview, NativePath(file));
    } else {
        doc.OnSaveDocument(path);
    }

    if (target == PreviewTarget::DefaultBrowser) {
        if (!host.OpenWithDefaultProgram(file)) {
            host.ShowError(Res(IDS_NO_PREVIEW_PROGRAM));
            DeletePreviewFile(settings);
        }
        return;
    }
    QString error;
    if (!host.StartProgram(browserPath, {file}, error)) {
        host.ShowError(Res(IDS_BROWSER_NOT_STARTED).arg(QString::number(browser), browserPath, error));
        DeletePreviewFile(settings);
    }
}
