// The panes of a split window that show the same document: a view tells them when its top
// line or its horizontal offset changed by a command.
#pragma once

class CKTextView;

class CKViewSiblings {
public:
    virtual ~CKViewSiblings() = default;
    // The panes of the view's row take its top line; those of its column its offset char.
    virtual void TopLineChanged(CKTextView& source) = 0;
    virtual void OffsetCharChanged(CKTextView& source) = 0;
};
