// The Files page: each control changes its preference at once. A browser path is refused
// rather than stored cut short, and only a program that can be run is kept: Browse checks the
// file chosen, and the dialog checks a typed path before the page is left or closed.
#include "edit/PropFiles.h"

#include "settings/core/AppSettings.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// What the record holds: its field keeps a terminating zero.
constexpr int kMaxPathBytes = static_cast<int>(kBrowserPathSize) - 1;

// The record holds the path's UTF-8 bytes, which may be more than its characters.
class PathLengthValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return input.toUtf8().size() <= kMaxPathBytes ? Acceptable : Invalid;
    }
};

} // namespace

QString AskProgramFile(QWidget* parent, const QString& initial)
{
    return QFileDialog::getOpenFileName(parent, QString(), initial);
}

CPropFiles::CPropFiles(AppSettings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings)
{
    auto* layout = new QVBoxLayout(this);

    auto* files = new QGroupBox(tr("Files:"), this);
    auto* fileBoxes = new QVBoxLayout(files);
    fileBoxes->addWidget(AddCheckBox(tr("Create &backup copies"), Switch::CreateBackups));
    fileBoxes->addWidget(
        AddCheckBox(tr("&Remember last directory"), Switch::RememberLastDirectory));
    fileBoxes->addWidget(AddCheckBox(tr("Save file before pre&view"), Switch::SaveBeforePreview));
    QCheckBox* recovery =
        AddCheckBox(tr("&Keep recovery copies of unsaved changes"), Switch::RecoveryCopies);
    recovery->setObjectName(QStringLiteral("recovery"));
    fileBoxes->addWidget(recovery);
    QCheckBox* session =
        AddCheckBox(tr("Reopen the d&ocuments of the last session"), Switch::ReopenLastSession);
    session->setObjectName(QStringLiteral("reopenSession"));
    session->setToolTip(tr("Untitled texts come back through the recovery copies."));
    fileBoxes->addWidget(session);
    QCheckBox* reload = AddCheckBox(tr("Reload files changed by other programs without &asking"),
                                    Switch::ReloadChangedFiles);
    reload->setObjectName(QStringLiteral("reloadChanged"));
    reload->setToolTip(
        tr("Only documents without unsaved changes are reloaded; Undo takes a reload back."));
    fileBoxes->addWidget(reload);
    layout->addWidget(files);

    auto* debug = new QGroupBox(tr("Debug:"), this);
    auto* debugBoxes = new QVBoxLayout(debug);
    debugBoxes->addWidget(
        AddCheckBox(tr("&Enable Debug Subsystem (may be very slow)"), Switch::DebugSubsystem));
    layout->addWidget(debug);

    layout->addWidget(AddBrowser(1, tr("External Browser &1:")));
    layout->addWidget(AddBrowser(2, tr("External Browser &2:")));
    layout->addStretch();
}

QCheckBox* CPropFiles::AddCheckBox(const QString& text, Switch preference)
{
    auto* box = new QCheckBox(text, this);
    box->setChecked(m_settings.Preferences().IsOn(preference));
    connect(box, &QCheckBox::toggled, this,
            [this, preference](bool on) { m_settings.Preferences().SetOn(preference, on); });
    return box;
}

QWidget* CPropFiles::AddBrowser(int browser, const QString& title)
{
    auto* group = new QGroupBox(title, this);
    auto* row = new QHBoxLayout(group);
    auto* path =
        new QLineEdit(QString::fromStdString(m_settings.Preferences().BrowserPath(browser)), group);
    path->setObjectName(QStringLiteral("browser%1").arg(browser));
    path->setMaxLength(kMaxPathBytes);
    path->setValidator(new PathLengthValidator(path));
    connect(path, &QLineEdit::textEdited, this,
            [this, browser](const QString& text) { StorePath(browser, text); });
    m_paths[browser - 1] = path;
    auto* browse = new QPushButton(tr("Browse..."), group);
    browse->setObjectName(QStringLiteral("browse%1").arg(browser));
    connect(browse, &QPushButton::clicked, this, [this, browser] { Browse(browser); });
    row->addWidget(path, 1);
    row->addWidget(browse);
    return group;
}

void CPropFiles::StorePath(int browser, const QString& text)
{
    m_settings.Preferences().SetBrowserPath(browser, text.toStdString());
}

QString CPropFiles::ProgramProblem(const QString& path) const
{
    const QString shown = QDir::toNativeSeparators(path);
    if (path.toUtf8().size() > kMaxPathBytes)
        return tr("The path\n%1\nis longer than %2 characters and cannot be kept as a browser.")
            .arg(shown)
            .arg(kMaxPathBytes);
    // A bare name is run from the search path, as the preview starts it.
    const QString program =
        path.contains(QLatin1Char('/')) ? path : QStandardPaths::findExecutable(path);
    const QFileInfo info(program);
    if (program.isEmpty() || !info.isAbsolute() || !info.isFile() || !info.isExecutable())
        return tr("%1\nis not a program that can be run.").arg(shown);
    return {};
}

void CPropFiles::Browse(int browser)
{
    QLineEdit* field = BrowserField(browser);
    const QString chosen = m_askProgram(this, field->text());
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    const QString problem = ProgramProblem(path);
    if (!problem.isEmpty()) {
        m_tell(this, problem);
        return;
    }
    const QString shown = QDir::toNativeSeparators(path);
    field->setText(shown);
    StorePath(browser, shown);
}

bool CPropFiles::CheckBrowserPaths()
{
    for (QLineEdit* field : m_paths) {
        const QString path = field->text();
        const QString problem = path.isEmpty() ? QString() : ProgramProblem(path);
        if (!problem.isEmpty()) {
            m_tell(this, problem);
            field->setFocus();
            field->selectAll();
            return false;
        }
    }
    return true;
}
