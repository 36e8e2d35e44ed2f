#pragma once

#include <QRect>

// Where the main window's parts go, in twips, from the window's size, the shortcut
// bar's width and whether it is shown, and the toolbar layout.
namespace MainLayout {

constexpr int BeginnerSurfaceTop = 930;
constexpr int StandardSurfaceTop = 720;

struct Window {
    int width = 0;
    int height = 0;
    int barWidth = 0;
    bool barShown = true;
    bool beginner = true;
};

// The editing surface.
QRect Surface(const Window& w);
int SurfaceLeft(int barWidth, bool barShown);
int SurfaceWidth(int windowWidth, int barWidth, bool barShown);
int SurfaceHeight(int windowHeight);
int SurfaceTop(bool beginner);

// Inside the shortcut bar's panel.
struct Panel {
    int titleWidth = 0;      // lblShortcutBar
    int listBarWidth = 0;    // SSListBar1
    int listBarHeight = 0;   // SSListBar1
    int splitterHeight = 0;  // VSplitter2
    int closeButtonLeft = 0; // cmdCloseShortcutBar
};
Panel PanelParts(int barWidth, int panelHeight, int listBarTop);

// The splitter's left edge: at start-up, and after the user dragged it.
constexpr int SplitterLeftAtStart(int barWidth) {
    return barWidth - 40;
}
constexpr int SplitterLeftAfterDrag(int barWidth) {
    return barWidth - 50;
}

// The bar's new width when the splitter is dropped on the editing surface at x (in
// the surface's coordinates), or -1 when the drop is ignored (wider than half the
// window).
int WidthAfterDropOnSurface(int barWidth, int x, int windowWidth);
// ... dropped on the list bar at x (its coordinates): -1 keeps the width.
int WidthAfterDropOnListBar(int x);

} // namespace MainLayout
