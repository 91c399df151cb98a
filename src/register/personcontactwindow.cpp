#include "register/personcontactwindow.h"

#include "register/contactblock.h"

#include <QEvent>
#include <QLineEdit>

namespace kelvarino {

namespace {

std::vector<ContactBox<PersonRecord>> personBoxes()
{
    using P = PersonRecord;
    return {ContactText(QStringLiteral("Προσφώνηση:"), &P::Salutation),
            ContactText(QStringLiteral("Οδός-Αριθμός"), &P::Street),
            ContactText(QStringLiteral("Περιοχή-Ταχ.Κώδικας:"), &P::AreaPostcode),
            ContactText(QStringLiteral("Σταθερό τηλέφωνο:"), &P::Phone),
            ContactText(QStringLiteral("Κινητό τηλέφωνο:"), &P::Mobile),
            ContactText(QStringLiteral("e-mail:"), &P::Email)};
}

} // namespace

PersonContactWindow::PersonContactWindow(AppContext &context, int personIndex, QWidget *parent)
    : RecordContactWindow(context, &BuildingData::Persons, personBoxes(), Email, personIndex, parent)
{
    build();
    box(Salutation)->installEventFilter(this);
}

void PersonContactWindow::addTools(QHBoxLayout *tools)
{
    addTool(tools, QStyle::SP_ArrowUp, QStringLiteral("Εξαγωγή στον ClipBoard"), [this] { sendToClipboard(); });
    addTool(tools, QStyle::SP_ArrowDown, QStringLiteral("Εισαγωγή από τον ClipBoard"), [this] { getFromClipboard(); });
}

QString PersonContactWindow::captionOf(int k) const
{
    return record(k).Name.trimmed();
}

void PersonContactWindow::sendToClipboard()
{
    ClipboardService *clipboard = context_.platform.clipboard;
    clipboard->clear();
    clipboard->setText(MakeContactBlock(record(contactIndex())));
}

void PersonContactWindow::getFromClipboard()
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

bool PersonContactWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == box(Salutation) && event->type() == QEvent::FocusOut)
        box(Salutation)->setText(TrimBlanks(box(Salutation)->text()));
    return ContactWindow::eventFilter(watched, event);
}

} // namespace kelvarino
