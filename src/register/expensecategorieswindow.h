#pragma once

#include "core/fixedtext.h"
#include "shell/datawindow.h"

#include <array>

class QLineEdit;
class QMenu;

namespace kelvarino {

// The labels of the expense categories 1 to 5 (category 0 is fixed). Typing is
// stored at once; an empty label is refused when its box is left and again
// when the window closes.
class ExpenseCategoriesWindow : public DataWindow
{
public:
    explicit ExpenseCategoriesWindow(AppContext &context, QWidget *parent = nullptr);

    QList<QMenu *> menus() const override { return {dataMenu_}; }
    bool canClose() override;

    QLineEdit *labelBox(int category) const { return boxes_[std::size_t(category)]; }
    QMenu *dataMenu() const { return dataMenu_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool syncWithData();
    void typed(int i);
    void escape(int i);
    void left(int i);

    std::array<QLineEdit *, CategoryCount> boxes_{};
    std::array<FixedText<30>, CategoryCount> snapshot_;
    QMenu *dataMenu_ = nullptr;
    bool closeApproved_ = false;
    quint64 shownGeneration_ = 0;
};

} // namespace kelvarino
