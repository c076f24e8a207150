// The C-like parsers: C/C++, InstallShield, Java, resource scripts and DCL. All share C's
// comments, strings and character literals; all but DCL know "#" preprocessor lines.
#pragma once

#include "syntax/LineEngine.h"

extern const EngineFamily kCppSyntax;
extern const EngineFamily kInstallShieldSyntax;
extern const EngineFamily kJavaSyntax;
extern const EngineFamily kResourcesSyntax;
extern const EngineFamily kDclSyntax;

// C's recognisers without preprocessor lines: "/*" ... "*/", "//", double-quoted strings and
// single-quoted literals. REXX and SQL use them too.
int RecogniseCComments(CEngineLine& line);
