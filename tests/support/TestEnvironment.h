// Points HOME and the XDG folders at a fresh temporary folder for the whole test program, so
// that no test can reach the user's real settings.
#pragma once

void IsolateTestEnvironment();
