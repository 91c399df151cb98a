#pragma once

#include "register/exportcommands.h"
#include "register/typedgrideditor.h"

#include <QDialog>

#include <functional>

class QAction;
class QMenu;

namespace kelvarino {

// A register list of contacts (the persons, the professionals): each row opens
// the record's contact window, and the menu bar carries the exports of the
// list and its printed contact list.
template <class R>
class ContactListEditor : public TypedGridEditor<R>
{
public:
    // Where the exports go: the workbook writer, and how a written text file is
    // shown (by default in the program's own text viewer).
    void setSpreadsheetWriter(SpreadsheetWriter *writer) { exports_.setSpreadsheetWriter(writer); }
    void setTextFileViewer(std::function<void(const QString &path)> viewer)
    {
        exports_.setTextFileViewer(std::move(viewer));
    }
    // How the contact window is shown (modal by default); tests drive it themselves.
    void setContactWindowRunner(std::function<void(QDialog &)> runner) { runContact_ = std::move(runner); }

    QAction *printAction() const { return printAction_; }
    QMenu *exportsMenu() const { return exportsMenu_; }

protected:
    ContactListEditor(AppContext &context, std::vector<GridField<R>> fields, GridTexts texts, GridGeometry geometry,
                      QWidget *parent)
        : TypedGridEditor<R>(context, std::move(fields), std::move(texts), std::move(geometry), parent),
          exports_(this, context)
    {
    }

    ExportCommands &exports() { return exports_; }
    void runContactWindow(QDialog &contact)
    {
        if (runContact_)
            runContact_(contact);
        else
            contact.exec();
    }

    QMenu *exportsMenu_ = nullptr;
    QAction *printAction_ = nullptr;

private:
    ExportCommands exports_;
    std::function<void(QDialog &)> runContact_;
};

} // namespace kelvarino
