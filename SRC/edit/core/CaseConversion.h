// The letter-case conversions of a selection.
#pragma once

#include <string>

enum class CaseConversion { Upper, Lower, Swap, Capitalize, Sentence };

// The edit action code recorded for a conversion.
int CaseConversionAction(CaseConversion conversion);

// Converts text in place; its length never changes. Upper and Lower use every case pair of the
// code page; Swap, Capitalize and Sentence look at ASCII letters only and leave every byte from
// 0x80 up as it is.
void ConvertCase(std::string& text, CaseConversion conversion);
