#include "accounts/filterdialog.h"

#include "accounts/filterbindings.h"
#include "accounts/recordchangedialog.h"
#include "core/buildingdata.h"
#include "platform/twips.h"
#include "register/dateentry.h"
#include "register/registerlook.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

namespace kelvarino {

void ExtendSwitches(std::vector<bool> &switches, int count)
{
    if (int(switches.size()) < count)
        switches.resize(std::size_t(count), true);
}

CheckGroup::CheckGroup(QGroupBox *frame, Binding binding, int boxes, Place place)
    : frame_(frame), binding_(std::move(binding)), all_(new QPushButton(QStringLiteral("Όλα"), frame)),
      none_(new QPushButton(QStringLiteral("Κανένα"), frame))
{
    all_->setGeometry(Twips::rect(place.buttonsLeft, 360, 915, 255));
    none_->setGeometry(Twips::rect(place.buttonsLeft + 1020, 360, 915, 255));
    for (QPushButton *button : {all_, none_})
        button->setAutoDefault(false);
    QObject::connect(all_, &QPushButton::clicked, frame, [this] { setAll(true); });
    QObject::connect(none_, &QPushButton::clicked, frame, [this] { setAll(false); });
    for (int k = 0; k < boxes; ++k) {
        auto *box = new QCheckBox(frame);
        box->setGeometry(Twips::rect(place.boxLeft, place.boxTop + k * place.pitch, place.boxWidth, place.pitch));
        QObject::connect(box, &QCheckBox::clicked, frame,
                         [this, k](bool checked) { binding_.setChecked(first_ + k, checked); });
        boxes_.push_back(box);
    }
    if (boxes < 10)
        return;
    scroll_ = new QScrollBar(Qt::Vertical, frame);
    scroll_->setGeometry(Twips::rect(place.scrollLeft, place.boxTop, 135, boxes * place.pitch));
    scroll_->setPageStep(boxes);
    scroll_->hide();
    QObject::connect(scroll_, &QScrollBar::valueChanged, frame, [this](int value) {
        if (scroll_->isHidden())
            return;
        first_ = value;
        show();
    });
}

void CheckGroup::show()
{
    const int count = binding_.count();
    const int pageSize = int(boxes_.size());
    first_ = std::clamp(first_, 0, std::max(0, count - pageSize));
    const int shown = std::min(pageSize, count - first_);
    for (int k = 0; k < pageSize; ++k) {
        QCheckBox *box = boxes_[std::size_t(k)];
        box->setVisible(k < shown);
        if (k >= shown)
            continue;
        box->setText(binding_.caption(first_ + k));
        box->setChecked(binding_.checked(first_ + k));
    }
    if (!scroll_)
        return;
    scroll_->hide();
    scroll_->setRange(0, std::max(0, count - pageSize));
    scroll_->setValue(first_);
    scroll_->setVisible(count > pageSize);
}

void CheckGroup::setAll(bool checked)
{
    const int count = binding_.count();
    for (int i = 0; i < count; ++i)
        binding_.setChecked(i, checked);
    show();
}

FilterDialog::FilterDialog(const Platform &platform, const QString &title, QSizeF clientTwips,
                           const QColor &background, QWidget *parent)
    : QDialog(parent), platform_(platform), entries_(new EntryBoxes(this)),
      apply_(new QPushButton(QStringLiteral("Εφαρμογή"), this)),
      cancel_(new QPushButton(QStringLiteral("Ακύρωση"), this))
{
    setWindowTitle(title);
    setModal(true);
    ApplyWindowBackground(this, background);
    setFixedSize(Twips::toPixels(clientTwips.width()), Twips::toPixels(clientTwips.height()));
    for (QPushButton *button : {apply_, cancel_})
        button->setAutoDefault(false);
    connect(apply_, &QPushButton::clicked, this, [this] {
        entries_->leaveFocused();
        apply();
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] {
        if (platform_.help)
            platform_.help->showTopic(5305, QStringLiteral("filters"));
    });
    CentreOnScreen(this);
}

void FilterDialog::done(int result)
{
    if (platform_.help)
        platform_.help->closeAll();
    QDialog::done(result);
}

void FilterDialog::addDateBounds(double &fromDate, double &toDate, double fromLeft, double toLeft)
{
    auto bound = [this](const QString &caption, double left, double &date) {
        auto *label = new QLabel(caption, this);
        label->setGeometry(Twips::rect(left, 180, 735, 285));
        auto *box = new QLineEdit(this);
        box->setGeometry(Twips::rect(left + 780, 180, 975, 285));
        box->setText(DateDisplay(date));
        // A filter's box: empty means no bound (its text stays); anything else
        // is a day after 1 January 1000 shown again, or the box is emptied.
        entries_->addDate(box, [&date](double day) { date = day; });
        return box;
    };
    from_ = bound(QStringLiteral("Από:"), fromLeft, fromDate);
    to_ = bound(QStringLiteral("Έως:"), toLeft, toDate);
}

QGroupBox *FilterDialog::addFrame(QWidget *parent, const QString &title, double left, double top, double width,
                                  double height)
{
    auto *frame = new QGroupBox(title, parent);
    frame->setGeometry(Twips::rect(left, top, width, height));
    return frame;
}

QCheckBox *FilterDialog::addCheck(QWidget *parent, const QString &caption, bool &value, double left, double top,
                                  double width)
{
    auto *box = new QCheckBox(caption, parent);
    box->setGeometry(Twips::rect(left, top, width, 255));
    box->setChecked(value);
    connect(box, &QCheckBox::clicked, this, [&value](bool checked) { value = checked; });
    return box;
}

std::pair<std::unique_ptr<CheckGroup>, std::unique_ptr<CheckGroup>>
FilterDialog::addFlatsAndPersons(QWidget *parent, const BuildingData &building, std::vector<bool> &flats,
                                 std::vector<bool> &persons, double flatsLeft, double personsLeft, double top)
{
    QGroupBox *flatFrame = addFrame(parent, QStringLiteral("Διαμερίσματα"), flatsLeft, top, 2235, 3495);
    auto flatGroup = std::make_unique<CheckGroup>(flatFrame, FlatSwitches(building, flats), 10,
                                                  CheckGroup::Place{180, 180, 900, 240, 1635});
    QGroupBox *personFrame = addFrame(parent, QStringLiteral("Πρόσωπα"), personsLeft, top, 2235, 3495);
    auto personGroup = std::make_unique<CheckGroup>(personFrame, PersonSwitches(building, persons), 10,
                                                    CheckGroup::Place{180, 120, 900, 240, 1795});
    flatGroup->show();
    personGroup->show();
    return {std::move(flatGroup), std::move(personGroup)};
}

void FilterDialog::placeButtons(double cancelLeft, double applyLeft, double top, double width, double height)
{
    cancel_->setGeometry(Twips::rect(cancelLeft, top, width, height));
    apply_->setGeometry(Twips::rect(applyLeft, top, width, height));
}

} // namespace kelvarino
