#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kelvarino {

// The start-up window: the splash picture. A click on its right-hand part, or
// the first tick of its timer when a data file was named on the command line,
// closes it and enters the program. Shift alone while pressing the picture
// shows a hidden portrait; a click on the portrait hides it.
class promotion : public QWidget
{
public:
    // `enter` runs once, after the splash has closed.
    promotion(bool enterByItself, std::function<void()> enter, QWidget *parent = nullptr);

    QWidget *clickArea() const { return image1_; }
    QLabel *portrait() const { return myface_; }
    QTimer *timer() { return &timer1_; }

    void Image1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *prism_;
    QWidget *image1_;
    QLabel *myface_;
    QTimer timer1_;
    std::function<void()> enter_;
};

} // namespace kelvarino
