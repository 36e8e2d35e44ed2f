#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

// Sizes and positions of windows are kept in twips, as the stored settings are;
// 15 twips make one pixel.
namespace Twips {
constexpr int PerPixel = 15;

constexpr int toPixels(int twips) {
    return twips >= 0 ? (twips + PerPixel / 2) / PerPixel : -((-twips + PerPixel / 2) / PerPixel);
}
constexpr int fromPixels(int pixels) {
    return pixels * PerPixel;
}

inline QRect toPixels(const QRect& twips) {
    return {toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()),
            toPixels(twips.height())};
}
// A rectangle given in twips, as a form's controls are placed, in pixels.
inline QRect toPixels(int left, int top, int width, int height) {
    return toPixels(QRect(left, top, width, height));
}
inline QRect fromPixels(const QRect& pixels) {
    return {fromPixels(pixels.x()), fromPixels(pixels.y()), fromPixels(pixels.width()),
            fromPixels(pixels.height())};
}
inline QSize toPixels(const QSize& twips) {
    return {toPixels(twips.width()), toPixels(twips.height())};
}
} // namespace Twips
