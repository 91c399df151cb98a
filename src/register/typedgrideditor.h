#pragma once

#include "core/fixedtext.h"
#include "core/recordmaintenance.h"
#include "register/grideditor.h"

#include <functional>
#include <vector>

namespace kelvarino {

// A column of a grid editor bound to a field of the record type R.
template <class R>
struct GridField
{
    GridColumn column;
    std::function<QString(const R &)> text;           // text fields: trimmed
    std::function<bool(R &, const QString &)> setText; // text fields: cut and padded; true when it changed
    std::function<bool(R &, const R &)> copy;         // the field from another record; true when it changed
    float R::*amount = nullptr;
    qint16 R::*choice = nullptr;
    double R::*date = nullptr;
};

// Copies one field between records; true when it changed.
template <class R, class T>
std::function<bool(R &, const R &)> CopyMember(T R::*member)
{
    return [member](R &to, const R &from) {
        if (to.*member == from.*member)
            return false;
        to.*member = from.*member;
        return true;
    };
}

template <class R, std::size_t N>
GridField<R> TextField(GridColumn column, FixedText<N> R::*member)
{
    column.kind = GridColumn::Text;
    column.fieldWidth = int(N);
    GridField<R> field;
    field.column = std::move(column);
    field.text = [member](const R &r) { return (r.*member).trimmed(); };
    field.setText = [member](R &r, const QString &text) { return (r.*member).assign(text); };
    field.copy = CopyMember<R>(member);
    return field;
}

// A column bound to a member of R that the grid reads through `slot`.
template <class R, class T>
GridField<R> MemberField(GridColumn column, GridColumn::Kind kind, T R::*member, T R::*GridField<R>::*slot)
{
    column.kind = kind;
    GridField<R> field;
    field.column = std::move(column);
    field.*slot = member;
    field.copy = CopyMember<R>(member);
    return field;
}

template <class R>
GridField<R> AmountField(GridColumn column, float R::*member)
{
    return MemberField(std::move(column), GridColumn::Amount, member, &GridField<R>::amount);
}

template <class R>
GridField<R> ChoiceField(GridColumn column, qint16 R::*member)
{
    return MemberField(std::move(column), GridColumn::Choice, member, &GridField<R>::choice);
}

template <class R>
GridField<R> DateField(GridColumn column, double R::*member)
{
    return MemberField(std::move(column), GridColumn::Date, member, &GridField<R>::date);
}

// The grid editor over a shared list of records of type R. The undo snapshot
// holds the records shown at the last redraw (and the template); a record
// outside it has not been shown since, so its snapshot is the record itself.
// The grid shows the whole list, or the records an index list names (the
// periods of one flat): record k of the grid is then list element listed[k].
template <class R>
class TypedGridEditor : public GridEditor
{
protected:
    TypedGridEditor(AppContext &context, std::vector<GridField<R>> fields, GridTexts texts, GridGeometry geometry,
                    QWidget *parent)
        : GridEditor(context, columnsOf(fields), std::move(texts), std::move(geometry), parent),
          fields_(std::move(fields))
    {
    }

    // The shared list the window edits.
    virtual std::vector<R> &records() const = 0;
    // Shows only the list elements that `listed` names, in its order; the
    // window keeps the index list and a new record's index joins it.
    void showListed(std::vector<int> *listed) { listed_ = listed; }
    std::size_t listIndex(int k) const { return listed_ ? std::size_t((*listed_)[std::size_t(k)]) : std::size_t(k); }
    // The new-record row after a creation or its delete image.
    void resetTemplate() override { newRecord_ = R{}; }
    // Erases record k of the grid from the list; the index list follows.
    void eraseRecord(int k)
    {
        const int index = int(listIndex(k));
        records().erase(records().begin() + index);
        if (!listed_)
            return;
        listed_->erase(listed_->begin() + k);
        for (int &listed : *listed_)
            if (listed > index)
                --listed;
    }
    // Empties the list, and the index list with it.
    void clearRecords()
    {
        records().clear();
        if (listed_)
            listed_->clear();
    }

    R &live(int k) { return k < recordCount() ? records()[listIndex(k)] : newRecord_; }
    const R &live(int k) const { return k < recordCount() ? records()[listIndex(k)] : newRecord_; }
    const R &snapshot(int k) const
    {
        const int index = k - snapshotFirst_;
        if (index >= 0 && index < int(snapshot_.size()))
            return snapshot_[std::size_t(index)];
        return live(k);
    }
    R *snapshotEntry(int k)
    {
        const int index = k - snapshotFirst_;
        return index >= 0 && index < int(snapshot_.size()) ? &snapshot_[std::size_t(index)] : nullptr;
    }
    const GridField<R> &field(int column) const { return fields_[std::size_t(column)]; }

    int recordCount() const override { return listed_ ? int(listed_->size()) : int(records().size()); }
    bool canAddRecord() const override { return CanAddRecord(records().size()); }
    QString cellText(int k, int column, bool fromSnapshot) const override
    {
        return field(column).text(fromSnapshot ? snapshot(k) : live(k));
    }
    bool storeText(int k, int column, const QString &text) override { return field(column).setText(live(k), text); }
    float cellAmount(int k, int column, bool fromSnapshot) const override
    {
        return (fromSnapshot ? snapshot(k) : live(k)).*(field(column).amount);
    }
    void storeAmount(int k, int column, float value) override { live(k).*(field(column).amount) = value; }
    double cellDate(int k, int column, bool fromSnapshot) const override
    {
        return (fromSnapshot ? snapshot(k) : live(k)).*(field(column).date);
    }
    bool storeDate(int k, int column, double day) override
    {
        double &stored = live(k).*(field(column).date);
        if (stored == day)
            return false;
        stored = day;
        return true;
    }
    int cellChoice(int k, int column) const override { return live(k).*(field(column).choice); }
    bool storeChoice(int k, int column, int value) override
    {
        qint16 &stored = live(k).*(field(column).choice);
        if (stored == value)
            return false;
        stored = qint16(value);
        return true;
    }
    void acceptIntoSnapshot(int k, int column) override
    {
        if (R *entry = snapshotEntry(k))
            field(column).copy(*entry, live(k));
    }
    bool restoreFromSnapshot(int k, int column) override
    {
        if (const R *entry = snapshotEntry(k))
            return field(column).copy(live(k), *entry);
        return false;
    }
    void takeSnapshot(int first, int last) override
    {
        snapshotFirst_ = first;
        snapshot_.clear();
        for (int k = first; k <= last; ++k)
            snapshot_.push_back(live(k));
    }
    void appendTemplate() override
    {
        records().push_back(newRecord_);
        if (listed_)
            listed_->push_back(int(records().size()) - 1);
        resetTemplate();
    }
    void clearTemplateRow() override
    {
        for (const GridField<R> &f : fields_) {
            if (f.setText)
                f.setText(newRecord_, QString());
            else if (f.choice)
                newRecord_.*(f.choice) = 0;
        }
    }
    // A record is told apart by its value: a sort or another window's change
    // that puts another record on the row ends the binding.
    void holdRecord(int k) override { held_ = live(k); }
    bool isHeldRecord(int k) const override { return live(k) == held_; }
    void holdUntouchedTemplate() override { untouched_ = newRecord_; }
    bool templateTyped() const override
    {
        // Only what the row shows counts (the flat of a period is the window's choice).
        R shown = newRecord_;
        for (const GridField<R> &f : fields_)
            if (f.copy(shown, untouched_))
                return true;
        return false;
    }

    R newRecord_{};

private:
    static std::vector<GridColumn> columnsOf(const std::vector<GridField<R>> &fields)
    {
        std::vector<GridColumn> columns;
        for (const GridField<R> &f : fields)
            columns.push_back(f.column);
        return columns;
    }

    std::vector<GridField<R>> fields_;
    std::vector<int> *listed_ = nullptr;
    std::vector<R> snapshot_;
    int snapshotFirst_ = 0;
    R held_{};
    R untouched_{};
};

} // namespace kelvarino
