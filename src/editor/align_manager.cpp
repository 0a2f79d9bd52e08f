// AlignManager: measuring the rules and moving the children by them.
#include "editor/align_manager.h"

#include <algorithm>
#include <new>

namespace {
constexpr int32_t kMinimumSize = 4;

// The parent of a child window; null for top-level windows, whose GetParent is their
// owner.
HWND ParentOf(HWND window) {
    if (!window || !(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) return nullptr;
    return GetParent(window);
}

// The child's rectangle in its parent's client coordinates.
bool ChildRect(HWND parent, HWND child, RECT* rect) {
    if (!GetWindowRect(child, rect)) return false;
    POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    if (!ScreenToClient(parent, &corners[0]) || !ScreenToClient(parent, &corners[1])) return false;
    *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    return true;
}

// One axis: the position and length along it for the two anchor bits of that axis.
void Place(bool nearSet, bool farSet, int32_t nearGap, int32_t farGap, int32_t extent, int32_t* position,
           int32_t* length) {
    if (nearSet && farSet) {
        *position = nearGap;
        *length = std::max(extent - farGap - nearGap, kMinimumSize);
    } else if (nearSet) {
        *position = nearGap;
    } else if (farSet) {
        *position = extent - farGap - *length;
    }
}
}  // namespace

AlignManager::~AlignManager() = default;

void AlignManager::Add(HWND window, int32_t flags) {
    const HWND parent = ParentOf(window);
    RECT client, child;
    if (!parent || !GetClientRect(parent, &client) || !ChildRect(parent, window, &child)) return;
    std::unique_ptr<AlignInfo> rule(new (std::nothrow) AlignInfo{
        window, flags, child.left - client.left, child.top - client.top, client.right - child.right,
        client.bottom - child.bottom, child.right - child.left, child.bottom - child.top});
    if (!rule) return;
    // With room reserved first, the old rule goes only when the new one can take its place.
    try {
        rules_.reserve(rules_.size() + 1);
    } catch (const std::bad_alloc&) {
        return;
    }
    Remove(window);
    rules_.push_back(std::move(rule));
}

void AlignManager::Remove(HWND window) {
    rules_.erase(std::remove_if(rules_.begin(), rules_.end(),
                                [window](const std::unique_ptr<AlignInfo>& rule) { return rule->window == window; }),
                 rules_.end());
}

void AlignManager::Apply() const {
    for (const auto& rule : rules_) {
        const HWND parent = ParentOf(rule->window);
        RECT client, child;
        if (!parent || !GetClientRect(parent, &client) || !ChildRect(parent, rule->window, &child)) continue;
        int32_t x = child.left, y = child.top, width = rule->width, height = rule->height;
        Place(rule->flags & Left, rule->flags & Right, rule->leftGap, rule->rightGap, client.right, &x, &width);
        Place(rule->flags & Top, rule->flags & Bottom, rule->topGap, rule->bottomGap, client.bottom, &y, &height);
        MoveWindow(rule->window, x, y, width, height, TRUE);
    }
}
