// The letter-case conversions of a selection.
#pragma once

#include <string>

enum class CaseConversion { Upper, Lower, Swap, Capitalize, Sentence };

// The edit action code recorded for a conversion.
int CaseConversionAction(CaseConversion conversion);

// Converts text in place; its length never changes. Every conversion uses the case pairs of the
// whole code page, so Cyrillic letters change as Latin ones do.
void ConvertCase(std::string& text, CaseConversion conversion);
