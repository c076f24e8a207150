// A view that records what the buffer tells it and carries a kept position across changes.
#pragma once

#include "text/TextTypes.h"

#include <new>
#include <string>
#include <vector>

struct Notification {
    CKBufferView* source;
    bool hasContext;
    uint32_t flags;
    int line;
};

class RecordingView : public CKBufferView {
public:
    void OnBufferChanged(CKBufferView* source, const UpdateContext* ctx, uint32_t flags,
                         int line) override
    {
        notifications.push_back({source, ctx != nullptr, flags, line});
        steps += 'c';
        if (ctx)
            ctx->AdjustPosition(kept);
    }
    void OnEditAction(int action, const char* text, int length) override
    {
        editActions.emplace_back(action, std::string(text, length));
        if (throwOnEditAction)
            throw std::bad_alloc();
    }
    void OnChangesBegin() override { steps += '('; }
    void OnChangesEnd() override { steps += ')'; }

    std::vector<Notification> notifications;
    std::vector<std::pair<int, std::string>> editActions;
    TextPoint kept;
    std::string steps; // "(" and ")" around a step, "c" for each change
    bool throwOnEditAction = false;
};
