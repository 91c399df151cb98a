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
class SplashWindow : public QWidget
{
public:
    // `enter` runs once, after the splash has closed.
    SplashWindow(bool enterByItself, std::function<void()> enter, QWidget *parent = nullptr);

    QWidget *clickArea() const { return clickArea_; }
    QLabel *portrait() const { return portrait_; }
    QTimer *timer() { return &enterTimer_; }

    void enterProgram();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *prism_;
    QWidget *clickArea_;
    QLabel *portrait_;
    QTimer enterTimer_;
    std::function<void()> enter_;
};

} // namespace kelvarino
