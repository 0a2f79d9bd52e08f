// AlignManager: keeps child windows anchored to the edges of their parent's client area.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

// One child's rule, measured in the parent's client coordinates when it was added: the
// gaps between the child's edges and the client area's, and the child's size then.
struct AlignInfo {
    HWND window;
    int32_t flags, leftGap, topGap, rightGap, bottomGap, width, height;
};

class AlignManager {
public:
    enum : int32_t { Left = 1, Top = 2, Right = 4, Bottom = 8 };

    AlignManager() = default;
    virtual ~AlignManager();
    AlignManager(const AlignManager&) = delete;
    AlignManager& operator=(const AlignManager&) = delete;

    // Measures a rule for a child window and appends it, in place of any rule the
    // window had. A window that is not a child gets none.
    void Add(HWND window, int32_t flags);
    void Remove(HWND window);
    // Moves every child by its rule, in the order they were added: for the parent's
    // WM_SIZE. An edge anchored on both sides stretches, to no less than 4 pixels; one
    // anchored on neither keeps its place and takes back the measured size.
    void Apply() const;

private:
    std::vector<std::unique_ptr<AlignInfo>> rules_;
};
