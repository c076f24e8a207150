// The documents open when the last run ended, which the next start opens again: each file with
// its format and the place its window showed, in window order, and which one was active. Kept
// in the store as "Document1", "Document2", ... and "Active" under "Session".
#pragma once

#include "text/FileFormat.h"
#include "text/TextTypes.h"

#include <string>
#include <vector>

class SettingsStore;

// Where a view stood: its caret, its selection (empty when start and end are equal) and the
// first line it showed.
struct ViewPlace {
    TextPoint caret;
    TextPoint selectionStart;
    TextPoint selectionEnd;
    int32_t firstLine = 0;
    friend bool operator==(const ViewPlace&, const ViewPlace&) = default;
};

struct SessionDocument {
    std::string path; // as the system names the file
    FileFormat format;
    ViewPlace place;
    bool split = false; // the window showed 2 x 2 panes
    friend bool operator==(const SessionDocument&, const SessionDocument&) = default;
};

struct SessionDocuments {
    static constexpr int kMaxDocuments = 256;

    std::vector<SessionDocument> documents;
    int active = -1; // index into documents; -1 when none was active

    // Entries that do not read back as a known page, a line ending, numbers that are not
    // negative and a path are left out (and the active one with them).
    void Load(const SettingsStore& store);
    // Writes at most kMaxDocuments, and blanks the values an earlier, longer list left.
    void Save(SettingsStore& store) const;
    friend bool operator==(const SessionDocuments&, const SessionDocuments&) = default;
};
