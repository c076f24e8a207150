// A self-pipe: the handler only writes the signal's number, the event loop does the rest.
#include "instance/ExitSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_writeEnd = -1;

constexpr int kExitSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void OnExitSignal(int signal)
{
    const int savedErrno = errno;
    const char number = static_cast<char>(signal);
    // A full pipe already holds a request to exit; one more changes nothing.
    [[maybe_unused]] const ssize_t written = write(g_writeEnd, &number, 1);
    errno = savedErrno;
}

} // namespace

CKExitSignals::CKExitSignals(QObject* parent) : QObject(parent) {}

CKExitSignals::~CKExitSignals()
{
    if (m_readEnd < 0)
        return;
    for (const int signal : kExitSignals)
        std::signal(signal, SIG_DFL);
    close(g_writeEnd);
    close(m_readEnd);
    g_writeEnd = -1;
}

bool CKExitSignals::Install()
{
    if (m_readEnd >= 0 || g_writeEnd >= 0)
        return m_readEnd >= 0;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    m_readEnd = ends[0];
    g_writeEnd = ends[1];
    m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CKExitSignals::Drain);

    struct sigaction action = {};
    action.sa_handler = OnExitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kExitSignals)
        sigaction(signal, &action, nullptr);
    return true;
}

void CKExitSignals::Drain()
{
    char numbers[16];
    const ssize_t count = read(m_readEnd, numbers, sizeof numbers);
    if (count > 0)
        emit exitRequested(numbers[0]);
}
