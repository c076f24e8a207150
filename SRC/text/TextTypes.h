// Positions, lines, line flags and change notifications shared by the buffer and its views.
#pragma once

#include <cstdint>

struct TextPoint {
    int32_t x = 0; // byte index within the line
    int32_t y = 0; // line index
    friend bool operator==(const TextPoint&, const TextPoint&) = default;
};

// Line flags: numbered bookmarks 0-9 in bits 0-9, the plain bookmark in bit 19.
constexpr uint32_t LINEFLAG_BOOKMARK_0 = 0x0001;
constexpr uint32_t LINEFLAG_BOOKMARK_9 = 0x0200;
constexpr uint32_t LINEFLAG_MARK = 0x80000;
constexpr uint32_t LineFlagBookmark(int n) { return 1u << n; }

// Notification flags passed to OnBufferChanged.
constexpr uint32_t UPD_TEXT = 0x0001;
constexpr uint32_t UPD_LINES = 0x0002;
constexpr uint32_t UPD_ONELINE = 0x0100;
constexpr uint32_t UPD_LINEFLAGS = 0x0200;
constexpr uint32_t UPD_RESET = 0x1000;

// Describes one change so that views can carry the positions they keep across it.
struct UpdateContext {
    enum class Kind { Insert, Delete };
    Kind kind;
    TextPoint start;
    TextPoint end; // after the inserted text, or the end of the removed range

    static UpdateContext Insertion(TextPoint start, TextPoint end)
    {
        return {Kind::Insert, start, end};
    }
    static UpdateContext Deletion(TextPoint start, TextPoint end)
    {
        return {Kind::Delete, start, end};
    }

    void AdjustPosition(TextPoint& p) const;
};

class CKTextBuffer;

// What a buffer calls on the views attached to it.
class CKBufferView {
public:
    virtual ~CKBufferView() = default;
    // After every change; source is the view that made it (or null), ctx is null for flag
    // changes and resets, line is the first changed line (-1 for a reset).
    virtual void OnBufferChanged(CKBufferView* source, const UpdateContext* ctx, uint32_t flags,
                                 int line) = 0;
    // When an undo group closes, on the view that made the change.
    virtual void OnEditAction(int action, const char* text, int length) = 0;
    // Around the changes of one step (an undo group, an Undo, a Redo), however many: a view
    // may leave what only the final text needs (scroll bars, the caret) until the step ends.
    virtual void OnChangesBegin() {}
    virtual void OnChangesEnd() {}
};
