#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace kelvarino {

// Lengths on screen are given in twips, 1440 per inch at the screen's logical
// resolution: the widget's when one is given, else the primary screen's.
namespace Twips {

inline double pixelsPerTwip(const QWidget *widget = nullptr)
{
    double dpi = 96.0;
    if (widget)
        dpi = widget->logicalDpiY();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        dpi = screen->logicalDotsPerInchY();
    return dpi / 1440.0;
}

inline int toPixels(double twips, const QWidget *widget = nullptr)
{
    return int(std::lround(twips * pixelsPerTwip(widget)));
}

inline double fromPixels(int pixels, const QWidget *widget = nullptr)
{
    return pixels / pixelsPerTwip(widget);
}

// A rectangle laid out in twips; neighbouring rectangles meet without gaps.
inline QRect rect(double left, double top, double width, double height, const QWidget *widget = nullptr)
{
    const int x = toPixels(left, widget);
    const int y = toPixels(top, widget);
    return QRect(x, y, toPixels(left + width, widget) - x, toPixels(top + height, widget) - y);
}

} // namespace Twips
} // namespace kelvarino
