// A user tool's process, its error output kept in a file of its own and its end watched.
#include "frame/ToolRun.h"

#include "controls/QtText.h"
#include "res/Strings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace {

// The end of what the tool wrote to its error output that a message shows.
constexpr qint64 kShownErrorBytes = 2000;

// The file is unlinked once the tool holds it open, so nothing is left behind whenever either
// side ends; both keep writing and reading through their open descriptors.
void Unlink(const QTemporaryFile& file)
{
    ::unlink(QFile::encodeName(file.fileName()).constData());
}

QString Tail(QTemporaryFile& errors)
{
    const QByteArray text = errors.readAll();
    // What the tool wrote still reaches the terminal, as it did when it went there directly.
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
    return QString::fromLocal8Bit(text.right(kShownErrorBytes)).trimmed();
}

} // namespace

void StartUserTool(const QString& name, const QString& program, const QStringList& arguments,
                   const QString& folder, QObject* context,
                   std::function<void(const QString& message)> failed)
{
    // No owner: the editor's exit neither kills the tool nor waits for it. A pipe for its error
    // output would break once the editor is gone, so the output goes to a file instead.
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    process->setWorkingDirectory(folder);
    process->setProcessChannelMode(QProcess::ForwardedOutputChannel);
    process->setStandardInputFile(QProcess::nullDevice());
    auto* errors =
        new QTemporaryFile(QDir::temp().filePath(QStringLiteral("tagwright-tool-XXXXXX")), process);
    errors->setAutoRemove(false);
    if (errors->open())
        process->setStandardErrorFile(errors->fileName());
    else
        process->setProcessChannelMode(QProcess::ForwardedChannels);

    QObject::connect(process, &QProcess::started, process, [errors] { Unlink(*errors); });
    QObject::connect(process, &QProcess::finished, context,
                     [process, errors, name, failed](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         const QString output = Tail(*errors);
                         if (status == QProcess::NormalExit && code == 0)
                             return;
                         QString message = status == QProcess::NormalExit
                                               ? ResText(IDS_TOOL_FAILED).arg(name).arg(code)
                                               : ResText(IDS_TOOL_CRASHED).arg(name);
                         if (!output.isEmpty())
                             message += QStringLiteral("\n\n") + output;
                         failed(message);
                     });
    QObject::connect(process, &QProcess::errorOccurred, context,
                     [process, errors, name, program, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         process->deleteLater();
                         Unlink(*errors);
                         failed(ResText(IDS_TOOL_NOT_STARTED).arg(name, program)
                                + QStringLiteral("\n\n") + process->errorString());
                     });
    process->start();
}
