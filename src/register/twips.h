#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <cmath>

namespace kelvarino {

// Window geometry is laid out in twips (1440 per inch) at the screen's logical
// resolution.
// The title bar and borders of a child window's frame, which a window fitted
// to the main window's client area must leave room for.
inline constexpr double ChildFrameTwips = 480;

inline double PixelsPerTwip()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return dpi / 1440.0;
}

inline int Px(double twips)
{
    return int(std::lround(twips * PixelsPerTwip()));
}

inline double TwipsOf(int pixels)
{
    return pixels / PixelsPerTwip();
}

inline QRect TwipRect(double left, double top, double width, double height)
{
    const int x = Px(left);
    const int y = Px(top);
    return QRect(x, y, Px(left + width) - x, Px(top + height) - y);
}

} // namespace kelvarino
