// The Lisp parsers: AutoLISP and SIOD, with ";" comments, ";|" ... "|;" comments over lines and
// calls recognised by their opening parenthesis.
#pragma once

#include "syntax/LineEngine.h"

extern const EngineFamily kLispSyntax;
extern const EngineFamily kSiodSyntax;
