#pragma once

#include "register/typedgrideditor.h"

#include <functional>

namespace kelvarino {

class ExportCommands;
class SpreadsheetWriter;

// The persons involved with the building: name and sex in the grid, the
// contact data in the contact window of each row, and the exports of the list.
class dat02_Persons : public TypedGridEditor<PersonRecord>
{
public:
    explicit dat02_Persons(AppContext &context, QWidget *parent = nullptr);
    ~dat02_Persons() override;

    void Delete_All_Persons();
    // The exports of the menu "Εξαγωγές".
    void exportTextFile();
    void exportWorkbook();

    // Where the exports go: the workbook writer, and how a written text file is
    // shown (by default in the program's own text viewer).
    void setSpreadsheetWriter(SpreadsheetWriter *writer);
    void setTextFileViewer(std::function<void(const QString &path)> viewer);
    // How the contact window is shown (modal by default); tests drive it themselves.
    void setContactWindowRunner(std::function<void(QDialog &)> runner) { runContact_ = std::move(runner); }

    QAction *printAction() const { return printAction_; }
    QMenu *exportsMenu() const { return exportsMenu_; }

protected:
    std::vector<PersonRecord> &records() const override { return state().Building.Persons; }
    ChoiceRequest deleteQuestion(int k) const override;
    void deleteRecord(int k) override;
    void moveRecord(int from, int to) override;
    void afterScroll() override;
    void rowAction(int k) override;
    void deleteAll() override { Delete_All_Persons(); }
    void openOrderWindow() override;

private:
    void buildMenus();

    QMenu *exportsMenu_ = nullptr;
    QAction *printAction_ = nullptr;
    std::unique_ptr<ExportCommands> exports_;
    std::function<void(QDialog &)> runContact_;
};

} // namespace kelvarino
