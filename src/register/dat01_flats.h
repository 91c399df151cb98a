#pragma once

#include "register/typedgrideditor.h"

namespace kelvarino {

class OpeningFigures;

// The flats of the building with their opening balances, and above them the
// building's opening figures.
class dat01_Flats : public TypedGridEditor<FlatRecord>
{
public:
    explicit dat01_Flats(AppContext &context, QWidget *parent = nullptr);

    void show_data() override;
    OpeningFigures *openingFigures() const { return figures_; }
    void Delete_All_Flats();
    void explainInitialDebts();

protected:
    std::vector<FlatRecord> &records() const override { return state().Building.Flats; }
    ChoiceRequest deleteQuestion(int k) const override;
    void deleteRecord(int k) override;
    void moveRecord(int from, int to) override;
    void afterCreate() override;
    void deleteAll() override { Delete_All_Flats(); }
    void openOrderWindow() override;
    void headerClicked(int column) override;
    void showEvent(QShowEvent *event) override;

private:
    OpeningFigures *figures_ = nullptr;
    bool shownOnce_ = false;
};

} // namespace kelvarino
