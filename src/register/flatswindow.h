#pragma once

#include "register/typedgrideditor.h"

namespace kelvarino {

class OpeningFigures;

// The flats of the building with their opening balances, and above them the
// building's opening figures.
class FlatsWindow : public TypedGridEditor<FlatRecord>
{
public:
    explicit FlatsWindow(AppContext &context, QWidget *parent = nullptr);

    void showData() override;
    OpeningFigures *openingFigures() const { return figures_; }
    void deleteAllFlats();
    void explainInitialDebts();

protected:
    std::vector<FlatRecord> &records() const override { return state().Building.Flats; }
    ChoiceRequest deleteQuestion(int k) const override;
    void deleteRecord(int k) override;
    void moveRecord(int from, int to) override;
    void afterCreate() override;
    void deleteAll() override { deleteAllFlats(); }
    void openOrderWindow() override;
    void headerClicked(int column) override;
    void showEvent(QShowEvent *event) override;

private:
    OpeningFigures *figures_ = nullptr;
    bool shownOnce_ = false;
};

} // namespace kelvarino
