#pragma once

#include "register/orderwindow.h"

namespace kelvarino {

// The order of the expense categories; category 0 stays first.
class ExpenseCategoryOrderWindow : public OrderWindow
{
public:
    explicit ExpenseCategoryOrderWindow(AppContext &context, QWidget *parent = nullptr);

protected:
    int recordCount() const override { return CategoryCount; }
    QString rowText(int k) const override { return state().Building.CategoryLabel(k); }
    void move(int from, int to) override;
    QFont floatingFont() const override;
};

} // namespace kelvarino
