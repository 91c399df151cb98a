#pragma once

#include "register/typedgrideditor.h"

#include <functional>
#include <memory>

class QDialog;

namespace kelvarino {

class ExportCommands;
class SpreadsheetWriter;

// The building's directory of professionals: activity and name in the grid,
// the other contact data in the contact window of each row, the display order
// in the order window, the exports and the printed contact list.
class dat11_Professionals : public TypedGridEditor<ProfessionalRecord>
{
public:
    static constexpr int ActivityColumn = 0;
    static constexpr int NameColumn = 1;

    explicit dat11_Professionals(AppContext &context, QWidget *parent = nullptr);
    ~dat11_Professionals() override;

    void Delete_All_Professionals();
    void printList();
    // The exports of the menu "Εξαγωγές".
    void exportTXT();
    void exportXLS();

    // Where the exports go and how the contact window is shown (modal by default).
    void setSpreadsheetWriter(SpreadsheetWriter *writer);
    void setTextFileViewer(std::function<void(const QString &path)> viewer);
    void setContactWindowRunner(std::function<void(QDialog &)> runner) { runContact_ = std::move(runner); }

    QAction *printAction() const { return printAction_; }
    QMenu *exportsMenu() const { return exportsMenu_; }

protected:
    std::vector<ProfessionalRecord> &records() const override { return state().Building.Professionals; }
    ChoiceRequest deleteQuestion(int k) const override;
    void deleteRecord(int k) override;
    void moveRecord(int from, int to) override;
    void afterScroll() override;
    void rowAction(int k) override;
    void deleteAll() override { Delete_All_Professionals(); }
    void openOrderWindow() override;

private:
    void buildMenus();

    QMenu *exportsMenu_ = nullptr;
    QAction *printAction_ = nullptr;
    std::unique_ptr<ExportCommands> exports_;
    std::function<void(QDialog &)> runContact_;
};

} // namespace kelvarino
