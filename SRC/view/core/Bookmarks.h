// The bookmark commands of a view over the buffer's line flags: numbered bookmarks 0-9 and
// plain bookmarks, with the rules that enable walking and clearing them.
#pragma once

#include <optional>

class CKTextBuffer;

// A view's bookmark state. The commands only change flags and say where the caret goes;
// the view moves it there (to the start of the line).
class CViewBookmarks {
public:
    // Set bookmark number n on the cursor line, or remove it when the line holds it already.
    // A numbered bookmark sits on one line only, so setting it moves it here.
    static void SetNumbered(CKTextBuffer& buffer, int cursorLine, int n);
    // The line holding bookmark number n, if any.
    static std::optional<int> NumberedLine(const CKTextBuffer& buffer, int n);

    // Adds or removes the plain bookmark of the cursor line.
    void Toggle(CKTextBuffer& buffer, int cursorLine);
    // The next and previous plain bookmark from the cursor line, wrapping around the text.
    static std::optional<int> Next(const CKTextBuffer& buffer, int cursorLine);
    static std::optional<int> Previous(const CKTextBuffer& buffer, int cursorLine);
    // Removes every bookmark, numbered ones included.
    void ClearAll(CKTextBuffer& buffer);

    // Next, Previous and Clear all are enabled only once this view has seen a plain bookmark
    // through its own Toggle; a new layout forgets it.
    bool PlainBookmarksExist() const { return m_plainExist; }
    void Reset() { m_plainExist = false; }

private:
    bool m_plainExist = false;
};
