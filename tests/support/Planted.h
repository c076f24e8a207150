// What another user leaves where the program looks for its lock, its socket or its files, for
// the tests that check it is never trusted. Planting as another user needs root.
#pragma once

#include <string>

// The user id the planted things belong to.
inline constexpr unsigned kOtherUser = 65534;

// Whether this process may plant things as another user.
bool CanPlantAsAnotherUser();
// Makes path belong to the other user; false when it cannot.
bool GiveToAnotherUser(const std::string& path);
// A lock file of the other user that names a live process (this one, its program and host).
bool PlantLiveLock(const std::string& path);
// A listening local socket of the other user that nobody serves: connections and what they
// send wait in its backlog. The descriptor (non-blocking), or -1.
int PlantListeningSocket(const std::string& path);
// Whether anybody connected to such a socket.
bool SomebodyConnected(int socket);
