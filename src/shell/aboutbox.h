#pragma once

#include "shell/appcontext.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelvarino {

// The about box: the program's artwork, its name and version in the caption;
// a click on the picture opens the maker's page, "Εγγύηση" the warranty terms.
class AboutBox : public QDialog
{
public:
    AboutBox(const AppContext &context, QWidget *parent = nullptr);

    static QUrl makerPage(const QString &programFolder);

    QLabel *picture() const { return picture_; }
    QPushButton *closeButton() const { return closeButton_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const AppContext &context_;
    QLabel *picture_;
    QPushButton *closeButton_;
};

} // namespace kelvarino
