#pragma once

#include "shell/appcontext.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelvarino {

// The about box: the program's artwork, its name and version in the caption;
// a click on the picture opens the maker's page, "Εγγύηση" the warranty terms.
class frmAbout : public QDialog
{
public:
    frmAbout(const AppContext &context, QWidget *parent = nullptr);

    static QUrl makerPage(const QString &programFolder);

    QLabel *picture() const { return image1_; }
    QPushButton *closeButton() const { return cmdClose_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const AppContext &context_;
    QLabel *image1_;
    QPushButton *cmdClose_;
};

} // namespace kelvarino
