// Telling which of the six code pages a file is in from its first bytes.
#pragma once

#include "text/FileFormat.h"

#include <cstddef>
#include <optional>
#include <string_view>

// At most this much of the start of a file is looked at.
constexpr size_t kCodePageDetectBytes = 65536;

struct CodePageGuess {
    enum class Kind {
        Page,   // page holds the most likely page
        Unsure, // the bytes are not Cyrillic text, or too little of it to tell the pages apart;
                // bytes with a zero byte among them (binary, UTF-16) are no text at all
        Ascii,  // no byte from 0x80 (or no byte at all): the file reads the same in every page
    };
    Kind kind = Kind::Unsure;
    std::optional<CodePage> page; // when kind is Page
    // The page that reads the bytes best, also when that is not enough to be sure; none for
    // ASCII and for bytes that read as text in no page.
    std::optional<CodePage> candidate;
    // How much likelier the candidate is than the next page that reads the bytes differently,
    // as the natural logarithm of the odds: at least kCodePageSureOdds for a page. The bytes are
    // read only until the lead reaches some 100, so higher odds are not compared.
    double confidence = 0;
};

// Below these odds (natural logarithm) the detector answers Unsure.
constexpr double kCodePageSureOdds = 5.0;

// head is the start of a file (the whole file unless headIsCut); only its first
// kCodePageDetectBytes count. A byte order mark names UTF-8 whatever follows.
CodePageGuess DetectCodePage(std::string_view head, bool headIsCut);

// The short name of a page: "cp1251", "cp866", "koi8r", "iso8859-5", "mac", "utf8", and "auto"
// for CodePage::Detect; empty for another number.
std::string_view CodePageKeyword(CodePage page);
