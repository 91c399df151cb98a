#pragma once

#include "register/dateboxfit.h"
#include "register/typedgrideditor.h"

#include <QStringList>

namespace kelvarino {

// The texts in which the period windows differ beyond the grid's own.
struct PeriodTexts
{
    QString personHeader;
    QString deleteTitle;
    QString deleteText;
    QString deleteAllTitle;
    QString deleteAllText;
    QString deleteAllEmptyText;
};

// The common part of the administrators', owners' and residents' windows: a
// person chosen from the persons' list and the dates from and to. Choosing a
// person in the new-entry row creates the period at once, with the dates typed
// there before. After another window changed the persons, the person lists
// are filled again and a person chosen in the new-entry row is dropped.
template <class R>
class PeriodEditor : public TypedGridEditor<R>
{
public:
    void showData() override
    {
        if (this->changedElsewhere())
            syncWithData();
        GridEditor::showData();
    }

protected:
    static constexpr int PersonColumn = 0;
    static constexpr int FromColumn = 1;
    static constexpr int ToColumn = 2;

    PeriodEditor(AppContext &context, PeriodTexts periodTexts, GridTexts texts, GridGeometry geometry,
                 QWidget *parent)
        : PeriodEditor(context, PersonNames(context.state.Building), std::move(periodTexts), std::move(texts),
                       std::move(geometry), parent)
    {
    }

    // The persons' names as stored, item k being person k.
    static QStringList PersonNames(const BuildingData &building)
    {
        QStringList names;
        names.reserve(building.PersonCount());
        for (const PersonRecord &p : building.Persons)
            names.append(p.Name.text());
        return names;
    }

    // Reads the lists of the other windows again; the members add their own.
    virtual void syncWithData()
    {
        QStringList names = PersonNames(this->state().Building);
        if (names != personNames_) {
            personNames_ = std::move(names);
            this->setChoiceItems(PersonColumn, personNames_);
            this->newRecord_.Person = -1;
        }
    }

    void resetTemplate() override
    {
        const R fresh{};
        this->newRecord_.Person = -1;
        this->newRecord_.FromDate = fresh.FromDate;
        this->newRecord_.ToDate = fresh.ToDate;
    }
    void clearTemplateRow() override { resetTemplate(); }

    bool templateReady() const override
    {
        return this->newRecord_.Person >= 0 && this->newRecord_.Person < this->state().Building.PersonCount();
    }

    bool confirmDelete(int) override
    {
        const MessageRequest question{periodTexts_.deleteTitle, periodTexts_.deleteText, MessageIcon::Exclamation,
                                      MessageButtons::YesNo, MessageAnswer::Yes};
        return this->platform().messages->show(question) == MessageAnswer::Yes;
    }

    bool redrawsAfterEveryDelete() const override { return true; }

    void deleteRecord(int k) override
    {
        this->eraseRecord(k);
        this->state().DataChanged = true;
    }

    // Deleting all periods, after the question; the grid shows the empty list from the top.
    void deleteAll() override
    {
        if (this->records().empty()) {
            this->platform().messages->information(periodTexts_.deleteAllTitle, periodTexts_.deleteAllEmptyText);
            return;
        }
        const MessageRequest question{periodTexts_.deleteAllTitle, periodTexts_.deleteAllText,
                                      MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::Yes};
        if (this->platform().messages->show(question) != MessageAnswer::Yes)
            return;
        this->clearRecords();
        this->state().DataChanged = true;
        this->setTopOffset(0);
        this->showData();
    }

    const PeriodTexts &periodTexts() const { return periodTexts_; }

private:
    static std::vector<GridField<R>> fields(const PeriodTexts &texts, const QStringList &names)
    {
        GridColumn person;
        person.header = texts.personHeader;
        person.widthTwips = 3495;
        person.headerColour = QColor(255, 0, 0);
        person.choices = names;
        person.choiceCreates = true;
        GridColumn from;
        from.header = QStringLiteral("Από");
        from.widthTwips = DateCellWidthTwips(1215);
        from.headerColour = QColor(0, 128, 0);
        GridColumn to = from;
        to.header = QStringLiteral("Έως");
        return {ChoiceField(person, &R::Person), DateField(from, &R::FromDate), DateField(to, &R::ToDate)};
    }

    PeriodEditor(AppContext &context, const QStringList &names, PeriodTexts periodTexts, GridTexts texts,
                 GridGeometry geometry, QWidget *parent)
        : TypedGridEditor<R>(context, fields(periodTexts, names), std::move(texts), std::move(geometry), parent),
          periodTexts_(std::move(periodTexts)), personNames_(names)
    {
        resetTemplate();
    }

    PeriodTexts periodTexts_;
    QStringList personNames_;
};

} // namespace kelvarino
