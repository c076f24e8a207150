// The script-language parsers: TCL, Perl, shell scripts, Python, TeX, Fortran, batch files,
// Visual Basic, Pascal, REXX and SQL. They differ in their comments, tables and a few rules.
#pragma once

#include "syntax/LineEngine.h"

extern const EngineFamily kTclSyntax;
extern const EngineFamily kPerlSyntax;
extern const EngineFamily kShellSyntax;
extern const EngineFamily kPythonSyntax;
extern const EngineFamily kTexSyntax;
extern const EngineFamily kFortranSyntax;
extern const EngineFamily kBatchSyntax;
extern const EngineFamily kVisualBasicSyntax;
extern const EngineFamily kPascalSyntax;
extern const EngineFamily kRexxSyntax;
extern const EngineFamily kSqlSyntax;

// Whether a word names an external program of batch files: a table entry, alone or followed
// by ".COM" or ".EXE", compared without regard to ASCII case.
bool FindBatchProgram(const char* word, int length);
