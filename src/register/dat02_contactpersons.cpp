#include "register/dat02_contactpersons.h"

#include "register/contactblock.h"
#include "register/registerlook.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace kelvarino {

namespace {

QStringList fieldsOf(const PersonRecord &p)
{
    return {p.Salutation.trimmed(), p.Street.trimmed(), p.AreaPostcode.trimmed(),
            p.Phone.trimmed(),      p.Mobile.trimmed(), p.Email.trimmed()};
}

std::vector<ContactField> personFields()
{
    return {{QStringLiteral("Προσφώνηση:"), 10},         {QStringLiteral("Οδός-Αριθμός"), 50},
            {QStringLiteral("Περιοχή-Ταχ.Κώδικας:"), 30}, {QStringLiteral("Σταθερό τηλέφωνο:"), 15},
            {QStringLiteral("Κινητό τηλέφωνο:"), 15},     {QStringLiteral("e-mail:"), 50}};
}

} // namespace

dat02_ContactPersons::dat02_ContactPersons(AppContext &context, int personIndex, QWidget *parent)
    : ContactWindow(context, personFields(), Email, personIndex, parent)
{
    build();
    box(Salutation)->installEventFilter(this);
}

void dat02_ContactPersons::addTools(QHBoxLayout *tools)
{
    const auto tool = [&](QStyle::StandardPixmap icon, const QString &tip, void (dat02_ContactPersons::*action)()) {
        QToolButton *button = MakeImageButton(this, style()->standardIcon(icon), tip);
        button->setIconSize(QSize(24, 24));
        connect(button, &QToolButton::clicked, this, action);
        tools->addWidget(button);
    };
    tool(QStyle::SP_ArrowUp, QStringLiteral("Εξαγωγή στον ClipBoard"), &dat02_ContactPersons::sendToClipboard);
    tool(QStyle::SP_ArrowDown, QStringLiteral("Εισαγωγή από τον ClipBoard"), &dat02_ContactPersons::getFromClipboard);
}

QString dat02_ContactPersons::captionOf(int k) const
{
    return context_.state.Building.Persons[std::size_t(k)].Name.trimmed();
}

QStringList dat02_ContactPersons::textsOf(int k) const
{
    return fieldsOf(context_.state.Building.Persons[std::size_t(k)]);
}

void dat02_ContactPersons::keepUndoCopy(int k)
{
    undoCopy_ = context_.state.Building.Persons[std::size_t(k)];
}

QStringList dat02_ContactPersons::undoTexts() const
{
    return fieldsOf(undoCopy_);
}

bool dat02_ContactPersons::storeField(int k, int field, const QString &text)
{
    PersonRecord &p = context_.state.Building.Persons[std::size_t(k)];
    switch (field) {
    case Salutation:
        return AssignField(p.Salutation, text);
    case Street:
        return AssignField(p.Street, text);
    case Area:
        return AssignField(p.AreaPostcode, text);
    case Phone:
        return AssignField(p.Phone, text);
    case Mobile:
        return AssignField(p.Mobile, text);
    default:
        return AssignField(p.Email, text);
    }
}

QString dat02_ContactPersons::storedEmail(int k) const
{
    return context_.state.Building.Persons[std::size_t(k)].Email.text();
}

void dat02_ContactPersons::sendToClipboard()
{
    ClipboardService *clipboard = context_.platform.clipboard;
    clipboard->clear();
    clipboard->setText(MakeContactBlock(context_.state.Building.Persons[std::size_t(contactIndex())]));
}

void dat02_ContactPersons::getFromClipboard()
{
    ClipboardService *clipboard = context_.platform.clipboard;
    if (!clipboard->hasText())
        return;
    const auto fields = ReadContactBlock(clipboard->text());
    if (!fields)
        return;
    QStringList texts;
    for (const QString &field : *fields)
        texts << TrimBlanks(field);
    setBoxes(texts);
}

bool dat02_ContactPersons::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == box(Salutation) && event->type() == QEvent::FocusOut)
        box(Salutation)->setText(TrimBlanks(box(Salutation)->text()));
    return ContactWindow::eventFilter(watched, event);
}

} // namespace kelvarino
