#pragma once

#include <QWidget>

namespace kelvarino {

// Lengths on screen are given in twips, 1440 per inch at the screen's
// logical resolution.
namespace Twips {

inline int toPixels(double twips, const QWidget *widget = nullptr)
{
    const double dpi = widget ? widget->logicalDpiY() : 96.0;
    return int(twips * dpi / 1440.0 + 0.5);
}

inline double fromPixels(int pixels, const QWidget *widget = nullptr)
{
    const double dpi = widget ? widget->logicalDpiY() : 96.0;
    return pixels * 1440.0 / dpi;
}

} // namespace Twips
} // namespace kelvarino
