#pragma once

#include "core/fixedtext.h"
#include "shell/datawindow.h"

class QLineEdit;
class QMenu;

namespace kelvarino {

// The building identifier that the printouts and exports show (an address, say).
class BuildingIdWindow : public DataWindow
{
public:
    explicit BuildingIdWindow(AppContext &context, QWidget *parent = nullptr);

    QList<QMenu *> menus() const override { return {dataMenu_}; }
    QLineEdit *buildingBox() const { return box_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void typed();
    void escape();

    QLineEdit *box_ = nullptr;
    FixedText<50> snapshot_;
    QMenu *dataMenu_ = nullptr;
};

} // namespace kelvarino
