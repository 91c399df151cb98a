#pragma once

#include "occupancy/periodeditor.h"

class QComboBox;
class QLabel;

namespace kelvarino {

// The texts in which the owners' and the residents' windows differ.
struct OccupancyTexts
{
    PeriodTexts periods;
    GridTexts grid;
    QString endsBeforeStart; // the closing check's messages, without their common end
    QString missingStart;
    QString fixText;
    QString withoutTitle; // the question about flats without periods
    QStringList withoutLines;
    QStringList withoutOptions;
    int helpTopic = 0;
    QString helpSection; // of the topic's page, which F1 opens
};

// Who owned, or lived in, each flat, as dated periods: a flat selector above
// a grid of the chosen flat's periods, which the grid reaches through the
// list of their positions. New periods join the end of the list; a close that
// goes through leaves it grouped flat by flat and sorted by start.
class OccupancyWindow : public PeriodEditor<OccupancyPeriod>
{
public:
    int helpTopic() const override { return texts_.helpTopic; }
    QString helpSection() const override { return texts_.helpSection; }

    // Shows the periods of flat `flat` from the first, with an empty new-entry row.
    void chooseFlat(int flat);
    int chosenFlat() const { return chosenFlat_; }
    const std::vector<int> &listedPeriods() const { return listed_; }
    QComboBox *flatSelector() const { return flatSelector_; }

protected:
    OccupancyWindow(AppContext &context, OccupancyTexts texts, std::vector<OccupancyPeriod> BuildingData::*list,
                    QWidget *parent);

    std::vector<OccupancyPeriod> &records() const override { return state().Building.*list_; }
    void syncWithData() override;
    void resetTemplate() override;
    bool templateReady() const override;
    bool closingCheck() override;

private:
    static QStringList flatNames(const BuildingData &building);
    bool refuse(const QString &text, int flat);

    OccupancyTexts texts_;
    std::vector<OccupancyPeriod> BuildingData::*list_;
    QLabel *selectorLabel_ = nullptr;
    QComboBox *flatSelector_ = nullptr;
    QStringList flatNames_;
    std::vector<int> listed_;
    int chosenFlat_ = -1;
};

// The owners of the flats (help topic 300).
class OwnersWindow : public OccupancyWindow
{
public:
    explicit OwnersWindow(AppContext &context, QWidget *parent = nullptr);
};

// The residents of the flats.
class ResidentsWindow : public OccupancyWindow
{
public:
    explicit ResidentsWindow(AppContext &context, QWidget *parent = nullptr);
};

} // namespace kelvarino
