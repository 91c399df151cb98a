#include "register/dat02_contactpersons.h"

#include "core/codepage1253.h"
#include "register/contactblock.h"
#include "register/registerlook.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QUrl>

namespace kelvarino {

namespace {

const int FieldWidths[6] = {10, 50, 30, 15, 15, 50};

template <std::size_t N>
bool assign(FixedText<N> &field, const QString &text)
{
    const FixedText<N> value(text);
    if (value == field)
        return false;
    field = value;
    return true;
}

// Stores the text into field i of the person; true when it changed.
bool storeField(PersonRecord &p, int i, const QString &text)
{
    switch (i) {
    case 0:
        return assign(p.Salutation, text);
    case 1:
        return assign(p.Street, text);
    case 2:
        return assign(p.AreaPostcode, text);
    case 3:
        return assign(p.Phone, text);
    case 4:
        return assign(p.Mobile, text);
    default:
        return assign(p.Email, text);
    }
}

std::array<QString, 6> fieldsOf(const PersonRecord &p)
{
    return {p.Salutation.trimmed(), p.Street.trimmed(), p.AreaPostcode.trimmed(),
            p.Phone.trimmed(),      p.Mobile.trimmed(), p.Email.trimmed()};
}

} // namespace

dat02_ContactPersons::dat02_ContactPersons(AppContext &context, int personIndex, QWidget *parent)
    : QDialog(parent), context_(context), contactIndex_(personIndex)
{
    build();
    Show_Contact(contactIndex_);
}

PersonRecord &dat02_ContactPersons::person() const
{
    return context_.state.Building.Persons[std::size_t(contactIndex_)];
}

void dat02_ContactPersons::build()
{
    auto *grid = new QGridLayout(this);
    auto *tools = new QHBoxLayout;
    const auto tool = [&](QStyle::StandardPixmap icon, const QString &tip, void (dat02_ContactPersons::*action)()) {
        QToolButton *button = MakeImageButton(this, style()->standardIcon(icon), tip);
        button->setIconSize(QSize(24, 24));
        connect(button, &QToolButton::clicked, this, action);
        tools->addWidget(button);
    };
    tool(QStyle::SP_ArrowBack, QStringLiteral("UNDO"), &dat02_ContactPersons::undo);
    tool(QStyle::SP_DialogDiscardButton, QStringLiteral("Διαγραφή των τρεχόντων στοιχείων"),
         &dat02_ContactPersons::clearData);
    tool(QStyle::SP_ArrowUp, QStringLiteral("Εξαγωγή στον ClipBoard"), &dat02_ContactPersons::sendToClipboard);
    tool(QStyle::SP_ArrowDown, QStringLiteral("Εισαγωγή από τον ClipBoard"), &dat02_ContactPersons::getFromClipboard);
    tools->addStretch();
    grid->addLayout(tools, 0, 0, 1, 2);

    const QStringList captions{QStringLiteral("Προσφώνηση:"),        QStringLiteral("Οδός-Αριθμός"),
                               QStringLiteral("Περιοχή-Ταχ.Κώδικας:"), QStringLiteral("Σταθερό τηλέφωνο:"),
                               QStringLiteral("Κινητό τηλέφωνο:"),   QStringLiteral("e-mail:")};
    for (int i = 0; i < FieldCount; ++i) {
        auto *label = new QLabel(captions.at(i), this);
        grid->addWidget(label, i + 1, 0);
        auto *edit = new QLineEdit(this);
        edit->setMinimumWidth(FieldWidths[i] > 15 ? 380 : 160);
        grid->addWidget(edit, i + 1, 1, Qt::AlignLeft);
        boxes_[std::size_t(i)] = edit;
        connect(edit, &QLineEdit::textChanged, this, [this, i] { boxChanged(i); });
        if (i == Email) {
            mailLabel_ = label;
            label->setToolTip(QStringLiteral("click για αποστολή μηνύματος"));
            label->setCursor(Qt::PointingHandCursor);
            label->setStyleSheet(QStringLiteral("QLabel { color: #0000c0; text-decoration: underline; }"));
            label->installEventFilter(this);
        }
    }
    boxes_[Salutation]->installEventFilter(this);

    auto *buttons = new QHBoxLayout;
    back_ = new QPushButton(QStringLiteral("Προηγούμενος"), this);
    next_ = new QPushButton(QStringLiteral("Επόμενος"), this);
    auto *ok = new QPushButton(QStringLiteral("Επιστροφή"), this);
    connect(back_, &QPushButton::clicked, this, &dat02_ContactPersons::previous);
    connect(next_, &QPushButton::clicked, this, &dat02_ContactPersons::next);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    back_->setAutoDefault(false);
    next_->setAutoDefault(false);
    ok->setAutoDefault(false);
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addStretch();
    buttons->addWidget(ok);
    grid->addLayout(buttons, FieldCount + 1, 0, 1, 2);
}

void dat02_ContactPersons::Show_Contact(int k)
{
    const BuildingData &b = context_.state.Building;
    if (k < 0 || k >= b.PersonCount())
        return;
    contactIndex_ = k;
    setWindowTitle(person().Name.trimmed());
    setBoxes(fieldsOf(person()));
    undoCopy_ = person();
    back_->setEnabled(k != 0);
    next_->setEnabled(k + 1 != b.PersonCount());
}

void dat02_ContactPersons::setBoxes(const std::array<QString, FieldCount> &texts)
{
    for (int i = 0; i < FieldCount; ++i) {
        QLineEdit *edit = boxes_[std::size_t(i)];
        if (edit->text() == texts[std::size_t(i)])
            boxChanged(i); // the box rule runs for every assignment
        else
            edit->setText(texts[std::size_t(i)]);
    }
}

void dat02_ContactPersons::boxChanged(int field)
{
    if (contactIndex_ < 0 || contactIndex_ >= context_.state.Building.PersonCount())
        return;
    QLineEdit *edit = boxes_[std::size_t(field)];
    QString text = TrimBlanks(edit->text());
    text = Cp1253::decode(Cp1253::encode(text));
    const int width = FieldWidths[field];
    if (text.size() > width) {
        text.truncate(width);
        edit->setText(text);
        return; // the assignment runs the rule again
    }
    if (storeField(person(), field, text))
        context_.state.DataChanged = true;
}

void dat02_ContactPersons::previous()
{
    if (contactIndex_ != 0)
        Show_Contact(contactIndex_ - 1);
}

void dat02_ContactPersons::next()
{
    if (contactIndex_ + 1 != context_.state.Building.PersonCount())
        Show_Contact(contactIndex_ + 1);
}

void dat02_ContactPersons::undo()
{
    setBoxes(fieldsOf(undoCopy_));
}

void dat02_ContactPersons::clearData()
{
    setBoxes({});
}

void dat02_ContactPersons::sendToClipboard()
{
    ClipboardService *clipboard = context_.platform.clipboard;
    clipboard->clear();
    clipboard->setText(MakeContactBlock(person()));
}

void dat02_ContactPersons::getFromClipboard()
{
    ClipboardService *clipboard = context_.platform.clipboard;
    if (!clipboard->hasText())
        return;
    const auto fields = ReadContactBlock(clipboard->text());
    if (!fields)
        return;
    std::array<QString, FieldCount> texts;
    for (int i = 0; i < FieldCount; ++i)
        texts[std::size_t(i)] = TrimBlanks((*fields)[std::size_t(i)]);
    setBoxes(texts);
}

void dat02_ContactPersons::mailTo()
{
    const QString address = person().Email.trimmed();
    if (!address.contains(QLatin1Char('@')))
        return;
    // The address alone, every character that could start a query or a
    // fragment encoded, so that the mail program sees nothing but it.
    const QByteArray encoded = QUrl::toPercentEncoding(address, "@");
    context_.platform.desktop->openUrl(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(encoded)));
}

bool dat02_ContactPersons::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mailLabel_ && event->type() == QEvent::MouseButtonRelease)
        mailTo();
    else if (watched == boxes_[Salutation] && event->type() == QEvent::FocusOut)
        boxes_[Salutation]->setText(TrimBlanks(boxes_[Salutation]->text()));
    return QDialog::eventFilter(watched, event);
}

} // namespace kelvarino
