// How the desktop knows the program: its name, version, desktop entry and window icon.
#pragma once

#include <QString>

// Sets them on the application; call it before the first window is created, since the
// windows take their class and icon when they are made.
void SetApplicationIdentity();
