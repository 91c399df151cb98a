#pragma once

#include "core/buildingdata.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace kelvarino {

// The two contact lists: one page pattern, two configurations.
enum class ContactListKind { Persons, Professionals };

struct ContactColumn
{
    QString header;
    int units = 1; // column units of 360 page units
    bool centred = false;
};

// What tells the two lists apart.
struct ContactListSpec
{
    ContactListKind kind;
    int slot = 0;           // the print-settings slot holding the cell height in Heights(0)
    QString title;          // at the top of every page
    QString captionTitle;   // after the data file's name in the window caption
    QString orderCaption;   // the menu item of the alphabetical order
    QString emptyTitle;     // the message of the window that opens the list when it is empty
    QString emptyText;
    std::vector<ContactColumn> columns; // the first is the running number
};

const ContactListSpec &ContactListSpecOf(ContactListKind kind);

// The fixed page: A4 landscape in page units (a twip of the sheet).
namespace ContactPage {
inline constexpr double Width = 16837.8;
inline constexpr double Height = 11905.4;
inline constexpr double MarginX = 168.9;
inline constexpr double MarginY = 202.7;
inline constexpr double ColumnUnit = 360;
inline constexpr double TextInset = 30;
inline constexpr float DefaultCellHeight = 235;
inline constexpr float MinCellHeight = 90;
inline constexpr float MaxCellHeight = 500;
} // namespace ContactPage

// The widths of the table's columns where a column unit is `unit` wide and
// the frame between the margins `frameWidth`. The running number's column is
// at least `numberWidth` wide, so that no number is ever cut: it grows into
// the room the table leaves before the frame's right edge, and past that room
// the widest of the other columns gives up the rest.
std::vector<double> ContactColumnWidths(const ContactListSpec &spec, double unit, double numberWidth,
                                        double frameWidth);

int ContactEntryCount(const BuildingData &building, ContactListKind kind);
// The texts of the entry's columns after the running number.
QStringList ContactCellTexts(const BuildingData &building, ContactListKind kind, int entry);

// The shown order: the data order, or ascending by the whole key field
// (trailing blanks included) compared as Greek text ignoring case; entries
// whose keys compare equal keep their data order.
std::vector<int> ContactDisplayOrder(const BuildingData &building, ContactListKind kind, bool alphabetical);

// The cell height a stored value opens with: below 90 (or not finite) 235,
// above 500 500.
float ContactCellHeight(float stored);
// Entry rows a page holds under a title line `titleHeight` high; at least 1.
int ContactRowCapacity(double titleHeight, double cellHeight);
int ContactPageCount(int entryCount, int rowCapacity);

} // namespace kelvarino
