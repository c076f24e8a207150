// Carries a kept position across an insertion or a deletion.
#include "text/TextTypes.h"

void UpdateContext::AdjustPosition(TextPoint& p) const
{
    if (kind == Kind::Insert) {
        if (p.y < start.y)
            return;
        if (p.y > start.y) {
            p.y += end.y - start.y;
        } else if (p.x > start.x) {
            p.y += end.y - start.y;
            p.x += end.x - start.x;
        }
        return;
    }

    if (p.y < start.y)
        return;
    if (p.y > end.y) {
        p.y -= end.y - start.y;
    } else if (p.y == end.y && p.x >= end.x) {
        p = {p.x - end.x + start.x, start.y};
    } else if (p.y != start.y) {
        p = start;
    } else if (p.x > start.x) {
        p.x = start.x;
    }
}
