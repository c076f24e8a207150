// One entry per followed document: a view of its buffer (to hear every change), its schedule,
// a timer and the state of its disk file. Writes run on a pool of one thread from a pinned
// snapshot of the buffer; their ends come back to the event loop.
#include "recovery/RecoveryManager.h"

#include "doc/TagwrightDoc.h"
#include "recovery/RecoveryDialog.h"

#include <QDateTime>
#include <QTimer>

#include <chrono>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

int64_t SteadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

struct CKRecoveryManager::Entry : CKBufferView {
    Entry(CKRecoveryManager& owner, CTagwrightDoc& document, int number)
        : manager(owner), doc(&document), serial(number), schedule(owner.m_clock)
    {
        timer.setSingleShot(true);
    }

    void OnBufferChanged(CKBufferView*, const UpdateContext* ctx, uint32_t, int) override
    {
        // Resets and line flags do not change the text a copy holds; a change that returns to
        // the saved state is followed by the modified flag going off.
        if (!ctx)
            return;
        schedule.OnTextChanged(true);
        manager.Reschedule(*this);
    }
    void OnEditAction(int, const char*, int) override {}

    CKRecoveryManager& manager;
    CTagwrightDoc* doc;
    int serial;
    RecoverySchedule schedule;
    QTimer timer;
    std::string file;
    // A restored copy that could not move here: it goes once the document's own copy is
    // written or no copy is needed any more, so that it is not offered again.
    std::string formerFile;
    FileIdentity disk;         // the file the text was last read from or saved to
    bool closedByUser = false; // the copy goes, also one a running write still makes
};

CKRecoveryManager::CKRecoveryManager(std::string root, RecoveryClock clock, QObject* parent)
    : QObject(parent), m_root(std::move(root)),
      m_clock(clock ? std::move(clock) : RecoveryClock(SteadyMs))
{
    m_pool.setMaxThreadCount(1);
}

CKRecoveryManager::~CKRecoveryManager()
{
    m_pool.waitForDone();
    for (auto& [serial, entry] : m_entries)
        if (entry->doc)
            entry->doc->Buffer().DetachView(entry.get());
}

bool CKRecoveryManager::Start(int& error)
{
    m_folder = CreateRecoveryFolder(m_root, error);
    return m_folder != nullptr;
}

CKRecoveryManager::Entry* CKRecoveryManager::Find(const CTagwrightDoc& doc) const
{
    for (const auto& [serial, entry] : m_entries)
        if (entry->doc == &doc)
            return entry.get();
    return nullptr;
}

void CKRecoveryManager::Track(CTagwrightDoc& doc)
{
    if (!m_folder || Find(doc))
        return;
    const int serial = m_nextSerial++;
    auto entry = std::make_unique<Entry>(*this, doc, serial);
    entry->file = m_folder->FileFor(serial);
    entry->disk = doc.DiskState();
    doc.Buffer().AttachView(entry.get());
    connect(&entry->timer, &QTimer::timeout, this, [this, serial] {
        if (const auto it = m_entries.find(serial); it != m_entries.end())
            RunSteps(*it->second);
    });
    connect(&doc, &CTagwrightDoc::titleChanged, this, [this, serial] {
        const auto it = m_entries.find(serial);
        if (it == m_entries.end() || !it->second->doc)
            return;
        Entry& e = *it->second;
        const bool modified = e.doc->IsModified();
        e.schedule.OnModifiedChanged(modified);
        Reschedule(e);
    });
    // Saved or read again: a later copy is based on the file as it is now.
    connect(&doc, &CTagwrightDoc::diskFileSet, this, [this, serial] {
        if (const auto it = m_entries.find(serial); it != m_entries.end() && it->second->doc)
            it->second->disk = it->second->doc->DiskState();
    });
    connect(&doc, &QObject::destroyed, this, [this, serial] { Forget(serial); });
    Entry& e = *entry;
    m_entries.emplace(serial, std::move(entry));
    if (doc.IsModified()) {
        e.schedule.OnModifiedChanged(true);
        Reschedule(e);
    }
}

bool CKRecoveryManager::Adopt(CTagwrightDoc& doc, const std::string& file)
{
    Entry* entry = Find(doc);
    if (!entry) {
        Track(doc);
        entry = Find(doc);
    }
    if (!entry)
        return false;
    int error = 0;
    if (!MoveRecoveryFile(file, entry->file, error)) {
        entry->formerFile = file;
        entry->schedule.OnModifiedChanged(doc.IsModified());
        Reschedule(*entry);
        return false;
    }
    entry->disk = doc.DiskState();
    entry->schedule.AdoptFile();
    entry->schedule.OnModifiedChanged(doc.IsModified());
    Reschedule(*entry);
    return true;
}

void CKRecoveryManager::DiscardedByUser(CTagwrightDoc& doc)
{
    if (Entry* entry = Find(doc)) {
        entry->closedByUser = true;
        entry->schedule.OnClosedWithoutSaving();
        RunSteps(*entry);
    }
}

void CKRecoveryManager::Forget(int serial)
{
    const auto it = m_entries.find(serial);
    if (it == m_entries.end())
        return;
    // The buffer is gone with its document; a write still running reads its snapshot, which
    // the buffer handed all its storage to. A copy left on disk stays for the next start.
    Entry& entry = *it->second;
    if (entry.schedule.Writing())
        m_writingOrphans[serial] = {entry.file, entry.closedByUser};
    m_entries.erase(it);
}

void CKRecoveryManager::Reschedule(Entry& entry)
{
    const std::optional<int64_t> in = entry.schedule.DueIn();
    if (!in) {
        entry.timer.stop();
        return;
    }
    if (*in == 0) {
        // Not from inside the buffer's notification: the change is still being made.
        entry.timer.start(0);
        return;
    }
    entry.timer.start(static_cast<int>(*in));
}

void CKRecoveryManager::RunDueSteps()
{
    std::vector<int> serials;
    for (const auto& [serial, entry] : m_entries)
        serials.push_back(serial);
    for (const int serial : serials)
        if (const auto it = m_entries.find(serial); it != m_entries.end())
            RunSteps(*it->second);
}

void CKRecoveryManager::RunSteps(Entry& entry)
{
    switch (entry.schedule.Next()) {
    case RecoveryStep::Write:
        StartWrite(entry, true);
        break;
    case RecoveryStep::Delete:
        unlink(entry.file.c_str());
        entry.schedule.OnDeleted();
        DropFormerFile(entry);
        break;
    case RecoveryStep::None:
        break;
    }
    Reschedule(entry);
}

void CKRecoveryManager::DropFormerFile(Entry& entry)
{
    if (entry.formerFile.empty())
        return;
    unlink(entry.formerFile.c_str());
    entry.formerFile.clear();
}

RecoveryInfo CKRecoveryManager::InfoOf(const Entry& entry) const
{
    const CTagwrightDoc& doc = *entry.doc;
    RecoveryInfo info;
    info.path = doc.NativePathName();
    info.title = doc.Title().toStdString();
    CKTextBuffer& buffer = const_cast<CTagwrightDoc&>(doc).Buffer();
    info.codePage = buffer.CodePage();
    info.lineEnding = buffer.LineEnding();
    info.sourceType = doc.SourceType();
    info.writeTime = QDateTime::currentSecsSinceEpoch();
    RecordDiskState(info, entry.disk);
    info.lossyBytes = doc.LossyBytesRead();
    return info;
}

void CKRecoveryManager::StartWrite(Entry& entry, bool inBackground)
{
    CKTextBuffer& buffer = entry.doc->Buffer();
    std::shared_ptr<CKTextSnapshot> snapshot = buffer.PinSnapshot();
    if (!snapshot) {
        entry.schedule.OnWriteFinished(false);
        return;
    }
    const RecoveryInfo info = InfoOf(entry);
    const std::string file = entry.file;
    const int serial = entry.serial;
    auto write = [this, snapshot, info, file, serial] {
        int error = 0;
        const bool ok = WriteRecoveryFile(file, info, *snapshot, error);
        std::lock_guard lock(m_finishedLock);
        m_finished.push_back({serial, ok, error});
    };
    if (!inBackground) {
        write();
        TakeFinished();
        return;
    }
    m_pool.start([this, write] {
        // Typing comes first: the copy can take a little longer on a busy machine.
        setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
        write();
        QMetaObject::invokeMethod(this, &CKRecoveryManager::TakeFinished, Qt::QueuedConnection);
    });
}

void CKRecoveryManager::TakeFinished()
{
    std::vector<Finished> finished;
    {
        std::lock_guard lock(m_finishedLock);
        finished.swap(m_finished);
    }
    for (const Finished& f : finished) {
        if (const auto orphan = m_writingOrphans.find(f.serial); orphan != m_writingOrphans.end()) {
            if (orphan->second.second)
                unlink(orphan->second.first.c_str());
            m_writingOrphans.erase(orphan);
            continue;
        }
        const auto it = m_entries.find(f.serial);
        if (it == m_entries.end())
            continue;
        Entry& entry = *it->second;
        entry.doc->Buffer().ReleaseSnapshot();
        entry.schedule.OnWriteFinished(f.ok);
        if (f.ok)
            DropFormerFile(entry);
        emit copyWritten(QString::fromStdString(entry.file), f.ok, f.error);
        RunSteps(entry);
    }
}

void CKRecoveryManager::WaitForWrites()
{
    m_pool.waitForDone();
    TakeFinished();
}

void CKRecoveryManager::WriteAllNow()
{
    // Taking the results of running writes may start others; those hold the present text too.
    WaitForWrites();
    for (auto& [serial, entry] : m_entries) {
        entry->schedule.OnExitRequested();
        if (entry->schedule.Next() == RecoveryStep::Write)
            StartWrite(*entry, false);
    }
    WaitForWrites();
}

void CKRecoveryManager::Finish()
{
    WaitForWrites();
    for (auto& [serial, entry] : m_entries) {
        entry->timer.stop();
        if (entry->doc)
            entry->doc->Buffer().DetachView(entry.get());
        entry->doc = nullptr;
    }
    m_entries.clear();
    if (m_folder)
        m_folder->RemoveIfEmpty();
    m_folder.reset();
}

std::string CKRecoveryManager::FileOf(const CTagwrightDoc& doc) const
{
    const Entry* entry = Find(doc);
    return entry ? entry->file : std::string();
}

void RestoreRecoveredText(CTagwrightDoc& doc, const RecoveryReadResult& recovered)
{
    const RecoveryInfo& info = recovered.info;
    doc.OnNewDocument();
    CKTextBuffer& buffer = doc.Buffer();
    buffer.InitEmpty(info.lineEnding, info.codePage);
    int endLine = 0, endChar = 0;
    buffer.RawInsert(nullptr, 0, 0, recovered.text, endLine, endChar);
    buffer.ForgetSavedState();
    doc.SetSourceType(info.sourceType);
    doc.SetLossyBytesRead(info.lossyBytes);
    if (!info.path.empty()) {
        doc.SetNativePathName(info.path);
        // A copy from an earlier version knows only the time and size: when those still
        // match, the file as it is now stands for the one the text was based on.
        FileIdentity based = RecordedDiskState(info);
        if (!info.diskIdentity && DiskStateOf(info) == RecoveryCandidate::Disk::Unchanged)
            ReadIdentity(info.path, based);
        doc.NoteDiskState(based);
    } else
        doc.SetTitle(QString::fromStdString(info.title));
}
