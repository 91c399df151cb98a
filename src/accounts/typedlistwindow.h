#pragma once

#include "accounts/recordlistwindow.h"
#include "core/appstate.h"
#include "core/listfilters.h"

namespace kelvarino {

// The record list window over one shared list of records R with its filter F
// in the shared state, its change dialog Changes and its filter dialog Filters
// (each made on the state, the platform and, for the change dialog, the
// record's index). NewEntry is the frame's record; EntryDate, the date offered
// for the next one, follows the last record added.
template <class R, class F, class Changes, class Filters>
class TypedListWindow : public RecordListWindow
{
protected:
    TypedListWindow(AppContext &context, std::vector<R> BuildingData::*list, F AppState::*filter,
                    std::vector<ListColumn> columns, ListTexts texts, ListGeometry geometry, QWidget *parent)
        : RecordListWindow(context, std::move(columns), std::move(texts), std::move(geometry), parent),
          list_(list), filter_(filter)
    {
    }

    std::vector<R> &records() const { return state().Building.*list_; }
    F &filter() const { return state().*filter_; }

    int recordCount() const override { return int(records().size()); }
    int editRecord(int index) override
    {
        Changes dialog(state(), platform(), index, this);
        dialog.exec();
        return dialog.changeResult();
    }
    void deleteRecords(const std::vector<int> &indexes) override { RemoveListed(records(), indexes); }
    bool hasFilter() const override { return true; }
    void resetFilter() override { ResetFilter(filter(), state().Building); }
    bool showFilterDialog() override
    {
        Filters dialog(state(), platform(), this);
        dialog.exec();
        return filter().Status == 1;
    }
    void appendNewRecord() override
    {
        records().push_back(NewEntry);
        EntryDate = NewEntry.Date;
    }

    R NewEntry;
    double EntryDate = NotSetDate;

private:
    std::vector<R> BuildingData::*list_;
    F AppState::*filter_;
};

} // namespace kelvarino
