#pragma once

#include "platform/platform.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace kelvarino {

// What the two access-password windows share: their look, the menu with
// "Βοήθεια" (help topic 70) and "Έξοδος", F1, and closing every help window
// when they close.
class PasswordDialog : public QDialog
{
public:
    static constexpr int HelpTopic = 70;

    PasswordDialog(const Platform &platform, int widthTwips, int heightTwips, QWidget *parent);

protected:
    // Controls placed in twips on the window's surface below its menu.
    QLabel *addLabel(const QString &text, int left, int top, int width, int height, Qt::Alignment alignment,
                     QColor textColour, QColor background = QColor());
    QLineEdit *addPasswordBox(int left, int top, int width, int height);
    QPushButton *addButton(const QString &text, int left, int top, int width, int height);

    void done(int result) override;

    const Platform &platform() const { return platform_; }

private:
    Platform platform_;
    QWidget *surface_;
};

} // namespace kelvarino
