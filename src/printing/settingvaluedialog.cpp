#include "printing/settingvaluedialog.h"

#include "core/formatting.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace kelvarino {

SettingValueDialog::SettingValueDialog(Kind kind, const PrintingContext &context, int slot, QWidget *parent)
    : QDialog(parent ? parent : context.owner), kind_(kind), context_(context), slot_(slot)
{
    const bool columns = kind == ExpenseColumns;
    setWindowTitle(columns ? QStringLiteral("Αριθμός στηλών δαπανών ανά σελίδα") : QStringLiteral("Πραγματική μεγέθυνση"));
    setModal(true);
    k_ = columns ? 6 : 250;
    low_ = columns ? 1 : 50;
    high_ = columns ? 6 : 200;

    tmag_ = new QLineEdit(this);
    tmag_->setFixedWidth(70);
    tmag_->setAlignment(Qt::AlignRight);
    tmag_->installEventFilter(this);
    bar_ = new QScrollBar(Qt::Vertical, this);
    bar_->setRange(k_ - high_, k_ - low_);
    bar_->setSingleStep(1);
    bar_->setPageStep(5);
    bar_->setFixedHeight(90);
    connect(bar_, &QScrollBar::valueChanged, this, [this](int position) { tmag_->setText(QString::number(k_ - position)); });
    connect(bar_, &QScrollBar::sliderMoved, this, [this](int position) { tmag_->setText(QString::number(k_ - position)); });

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    auto *cancel = new QPushButton(QStringLiteral("Ακύρωση"), this);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        leaveValue();
        reject();
    });
    auto *value = new QHBoxLayout;
    value->addWidget(tmag_);
    value->addWidget(bar_);
    if (!columns)
        value->addWidget(new QLabel(QStringLiteral("%"), this));
    value->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(value);
    layout->addLayout(buttons);

    auto *help = new QAction(this);
    help->setShortcut(Qt::Key_F1);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] { context_.platform.help->showTopic(5255); });

    showValue(storedValue());
}

int SettingValueDialog::storedValue() const
{
    const PrintSetting &slot = context_.state.Building.PrintSettings[slot_];
    double value = kind_ == ExpenseColumns ? double(slot.ExpenseColumnsPerPage)
                                           : std::nearbyint(double(slot.Magnification) * 100.0);
    if (std::isnan(value))
        value = low_;
    return int(std::clamp(value, double(low_), double(high_)));
}

void SettingValueDialog::showValue(int value)
{
    const QSignalBlocker quiet(bar_);
    bar_->setValue(k_ - value);
    tmag_->setText(QString::number(value));
}

bool SettingValueDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tmag_ && event->type() == QEvent::FocusOut)
        leaveValue();
    return QDialog::eventFilter(watched, event);
}

void SettingValueDialog::typeValue(const QString &text)
{
    tmag_->setText(text);
}

void SettingValueDialog::leaveValue()
{
    const double rounded = std::nearbyint(LeadingNumber(tmag_->text()));
    if (!(rounded >= std::numeric_limits<qint16>::min() && rounded <= std::numeric_limits<qint16>::max())) {
        showValue(kind_ == ExpenseColumns ? storedValue() : 100);
        return;
    }
    showValue(int(std::clamp(rounded, double(low_), double(high_))));
}

QString SettingValueDialog::valueText() const
{
    return tmag_->text();
}

void SettingValueDialog::confirm()
{
    leaveValue();
    PrintSetting &slot = context_.state.Building.PrintSettings[slot_];
    const int position = bar_->value();
    if (kind_ == ExpenseColumns)
        slot.ExpenseColumnsPerPage = qint16(k_ - position);
    else
        slot.Magnification = float(k_ - position) / 100.0f;
    confirmed_ = true;
    context_.state.DataChanged = true;
    accept();
}

void SettingValueDialog::done(int result)
{
    context_.platform.help->closeAll();
    QDialog::done(result);
}

} // namespace kelvarino
