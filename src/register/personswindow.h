#pragma once

#include "register/contactlisteditor.h"

namespace kelvarino {

// The persons involved with the building: name and sex in the grid, the
// contact data in the contact window of each row, and the exports of the list.
class PersonsWindow : public ContactListEditor<PersonRecord>
{
public:
    explicit PersonsWindow(AppContext &context, QWidget *parent = nullptr);

    void deleteAllPersons();
    // The exports of the menu "Εξαγωγές".
    void exportTextFile();
    void exportWorkbook();

protected:
    std::vector<PersonRecord> &records() const override { return state().Building.Persons; }
    ChoiceRequest deleteQuestion(int k) const override;
    void deleteRecord(int k) override;
    void moveRecord(int from, int to) override;
    void afterScroll() override;
    void rowAction(int k) override;
    void deleteAll() override { deleteAllPersons(); }
    void openOrderWindow() override;

private:
    void buildMenus();
};

} // namespace kelvarino
