#include "core/window/MainLayout.h"

namespace MainLayout {

int SurfaceLeft(int barWidth, bool barShown) {
    return barShown ? barWidth + 50 : 0;
}

int SurfaceWidth(int windowWidth, int barWidth, bool barShown) {
    return barShown ? windowWidth - barWidth - 150 : windowWidth - 150;
}

int SurfaceHeight(int windowHeight) {
    return windowHeight - 1950;
}

int SurfaceTop(bool beginner) {
    return beginner ? BeginnerSurfaceTop : StandardSurfaceTop;
}

QRect Surface(const Window& w) {
    return {SurfaceLeft(w.barWidth, w.barShown), SurfaceTop(w.beginner),
            SurfaceWidth(w.width, w.barWidth, w.barShown), SurfaceHeight(w.height)};
}

Panel PanelParts(int barWidth, int panelHeight, int listBarTop) {
    Panel p;
    p.titleWidth = barWidth - 95;
    p.listBarHeight = panelHeight - listBarTop - 40;
    p.listBarWidth = barWidth - 75;
    p.splitterHeight = panelHeight;
    p.closeButtonLeft = barWidth - 255;
    return p;
}

int WidthAfterDropOnSurface(int barWidth, int x, int windowWidth) {
    const int width = barWidth + x;
    return width > windowWidth / 2.0 ? -1 : width;
}

int WidthAfterDropOnListBar(int x) {
    return x > 600 ? x : -1;
}

} // namespace MainLayout
