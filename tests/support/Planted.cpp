// Files and sockets of another user, made as root.
#include "support/Planted.h"

#include "support/TempDir.h"

#include <climits>
#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

bool CanPlantAsAnotherUser() { return geteuid() == 0; }

bool GiveToAnotherUser(const std::string& path)
{
    return lchown(path.c_str(), kOtherUser, kOtherUser) == 0;
}

bool PlantLiveLock(const std::string& path)
{
    // A lock counts as live while its process runs the program it names: this one does.
    char program[PATH_MAX + 1] = {};
    if (readlink("/proc/self/exe", program, sizeof program - 1) < 0)
        return false;
    char host[HOST_NAME_MAX + 1] = {};
    gethostname(host, sizeof host - 1);
    WriteFile(path, std::to_string(getpid()) + "\n"
                        + std::filesystem::path(program).filename().string() + "\n" + host + "\n");
    return GiveToAnotherUser(path);
}

int PlantListeningSocket(const std::string& path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || listen(fd, 8) != 0 || !GiveToAnotherUser(path)) {
        if (fd >= 0)
            close(fd);
        return -1;
    }
    return fd;
}

bool SomebodyConnected(int socket)
{
    const int connection = accept(socket, nullptr, nullptr);
    if (connection < 0)
        return false;
    close(connection);
    return true;
}
