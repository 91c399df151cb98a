#pragma once

#include <QImage>
#include <QMdiArea>

namespace kelvarino {

// The main window's client area: the child windows over the wallpaper, a
// picture shown unscaled at the top left on a background colour.
class WallpaperArea : public QMdiArea
{
public:
    explicit WallpaperArea(QWidget *parent = nullptr);

    void setWallpaper(const QImage &picture, const QColor &background);
    // A colour as the wallpaper setting stores it (red in the low byte).
    static QColor colourOf(quint32 rgb) { return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF)); }
    const QImage &picture() const { return picture_; }
    const QColor &backgroundColour() const { return background_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
    QColor background_;
};

} // namespace kelvarino
