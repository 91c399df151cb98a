#pragma once

#include "register/contactlisteditor.h"

namespace kelvarino {

// The building's directory of professionals: activity and name in the grid,
// the other contact data in the contact window of each row, the display order
// in the order window, the exports and the printed contact list.
class ProfessionalsWindow : public ContactListEditor<ProfessionalRecord>
{
public:
    static constexpr int ActivityColumn = 0;
    static constexpr int NameColumn = 1;

    explicit ProfessionalsWindow(AppContext &context, QWidget *parent = nullptr);

    void deleteAllProfessionals();
    void printList();
    // The exports of the menu "Εξαγωγές".
    void exportTXT();
    void exportXLS();

protected:
    std::vector<ProfessionalRecord> &records() const override { return state().Building.Professionals; }
    ChoiceRequest deleteQuestion(int k) const override;
    void deleteRecord(int k) override;
    void moveRecord(int from, int to) override;
    void afterScroll() override;
    void rowAction(int k) override;
    void deleteAll() override { deleteAllProfessionals(); }
    void openOrderWindow() override;

private:
    void buildMenus();
};

} // namespace kelvarino
