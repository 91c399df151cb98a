#pragma once

#include <QLabel>
#include <QWidget>

#include <functional>

namespace kelvarino {

class ReportPreview;

// the canvas: the surface the page is drawn on, in twips from its top-left corner.
class PreviewCanvas : public QWidget
{
public:
    explicit PreviewCanvas(ReportPreview &preview, QWidget *parent);
    std::function<void(QPointF twips, Qt::MouseButton, Qt::KeyboardModifiers)> onPress;
    std::function<void()> onHover;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    ReportPreview &preview_;
};

// One of the preview's image buttons (page, zoom and size images): drawn, not
// loaded; a border while the pointer is over it.
class PreviewImage : public QLabel
{
public:
    enum Shape { ArrowLeft, ArrowRight, ArrowUp, ArrowDown, Magnifier, Plus, Minus };
    PreviewImage(Shape shape, const QString &toolTip, QWidget *parent);
    void setBorder(bool on);
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers)> onPress;
    std::function<void()> onRelease;
    std::function<void()> onClick;
    std::function<void()> onHover;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
};

// A label that answers clicks (lbwidth, lbheight, lRealMagnification).
class ClickLabel : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void()> onClick;
    std::function<void()> onHover;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
};

} // namespace kelvarino
