#include "register/contactwindow.h"

#include "core/codepage1253.h"
#include "core/fixedtext.h"
#include "platform/desktopopening.h"
#include "register/registerlook.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace kelvarino {

QString StoredLineBreaks(const QString &shown)
{
    QString text = ShownLineBreaks(shown);
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString ShownLineBreaks(const QString &stored)
{
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

ContactWindow::ContactWindow(AppContext &context, std::vector<ContactField> fields, int mailField, int index,
                             QWidget *parent)
    : QDialog(parent), context_(context), fields_(std::move(fields)), mailField_(mailField), contactIndex_(index)
{
}

ContactWindow::~ContactWindow()
{
    // The boxes outlive this body; a change they signal on the way out must
    // not reach a window that is half gone.
    for (QWidget *box : boxes_)
        box->disconnect(this);
}

void ContactWindow::build()
{
    auto *grid = new QGridLayout(this);
    auto *tools = new QHBoxLayout;
    addTool(tools, QStyle::SP_ArrowBack, QStringLiteral("UNDO"), [this] { undo(); });
    addTool(tools, QStyle::SP_DialogDiscardButton, QStringLiteral("Διαγραφή των τρεχόντων στοιχείων"),
            [this] { clearData(); });
    addTools(tools);
    tools->addStretch();
    grid->addLayout(tools, 0, 0, 1, 2);

    for (int i = 0; i < int(fields_.size()); ++i) {
        const ContactField &field = fields_[std::size_t(i)];
        auto *label = new QLabel(field.label, this);
        QWidget *box = nullptr;
        if (field.multiLine) {
            auto *area = new QPlainTextEdit(this);
            area->setTabChangesFocus(true);
            area->setMinimumSize(380, 110);
            connect(area, &QPlainTextEdit::textChanged, this, [this, i] { boxChanged(i); });
            box = area;
            grid->addWidget(label, i + 1, 0, Qt::AlignTop);
        } else {
            auto *edit = new QLineEdit(this);
            edit->setMinimumWidth(field.width > 15 ? 380 : 160);
            connect(edit, &QLineEdit::textChanged, this, [this, i] { boxChanged(i); });
            box = edit;
            grid->addWidget(label, i + 1, 0);
        }
        grid->addWidget(box, i + 1, 1, field.multiLine ? Qt::Alignment() : Qt::AlignLeft);
        boxes_.push_back(box);
        if (i == mailField_) {
            mailLabel_ = label;
            label->setToolTip(QStringLiteral("click για αποστολή μηνύματος"));
            label->setCursor(Qt::PointingHandCursor);
            label->setStyleSheet(QStringLiteral("QLabel { color: #0000c0; text-decoration: underline; }"));
            label->installEventFilter(this);
        }
    }

    auto *buttons = new QHBoxLayout;
    back_ = new QPushButton(QStringLiteral("Προηγούμενος"), this);
    next_ = new QPushButton(QStringLiteral("Επόμενος"), this);
    auto *ok = new QPushButton(QStringLiteral("Επιστροφή"), this);
    connect(back_, &QPushButton::clicked, this, &ContactWindow::previous);
    connect(next_, &QPushButton::clicked, this, &ContactWindow::next);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton *button : {back_, next_, ok})
        button->setAutoDefault(false);
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addStretch();
    buttons->addWidget(ok);
    grid->addLayout(buttons, int(fields_.size()) + 1, 0, 1, 2);
    showContact(contactIndex_);
}

void ContactWindow::addTool(QHBoxLayout *tools, QStyle::StandardPixmap icon, const QString &tip,
                            const std::function<void()> &action)
{
    QToolButton *button = MakeImageButton(this, style()->standardIcon(icon), tip);
    button->setIconSize(QSize(24, 24));
    connect(button, &QToolButton::clicked, this, action);
    tools->addWidget(button);
}

QLineEdit *ContactWindow::box(int field) const
{
    return qobject_cast<QLineEdit *>(boxes_[std::size_t(field)]);
}

QPlainTextEdit *ContactWindow::textArea(int field) const
{
    return qobject_cast<QPlainTextEdit *>(boxes_[std::size_t(field)]);
}

QString ContactWindow::boxText(int field) const
{
    if (const QLineEdit *edit = box(field))
        return edit->text();
    return StoredLineBreaks(textArea(field)->toPlainText());
}

void ContactWindow::setBoxText(int field, const QString &text)
{
    if (QLineEdit *edit = box(field))
        edit->setText(text);
    else
        textArea(field)->setPlainText(ShownLineBreaks(text));
}

void ContactWindow::showContact(int k)
{
    if (k < 0 || k >= recordCount())
        return;
    contactIndex_ = k;
    setWindowTitle(captionOf(k));
    setBoxes(textsOf(k));
    keepUndoCopy(k);
    back_->setEnabled(k != 0);
    next_->setEnabled(k + 1 != recordCount());
}

void ContactWindow::setBoxes(const QStringList &texts)
{
    for (int i = 0; i < int(boxes_.size()); ++i) {
        const QString text = texts.value(i);
        if (boxText(i) == text)
            boxChanged(i); // the box rule runs for every assignment
        else
            setBoxText(i, text);
    }
}

void ContactWindow::boxChanged(int field)
{
    if (contactIndex_ < 0 || contactIndex_ >= recordCount())
        return;
    QString text = TrimBlanks(boxText(field));
    text = Cp1253::storable(text);
    const int width = fields_[std::size_t(field)].width;
    if (text.size() > width) {
        text.truncate(width);
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1); // never half a line break
        setBoxText(field, text);
        return; // the assignment runs the rule again
    }
    if (storeField(contactIndex_, field, text))
        context_.state.DataChanged = true;
}

void ContactWindow::previous()
{
    if (contactIndex_ != 0)
        showContact(contactIndex_ - 1);
}

void ContactWindow::next()
{
    if (contactIndex_ + 1 < recordCount())
        showContact(contactIndex_ + 1);
}

void ContactWindow::undo()
{
    setBoxes(undoTexts());
}

void ContactWindow::clearData()
{
    setBoxes({});
}

void ContactWindow::mailTo()
{
    if (contactIndex_ < 0 || contactIndex_ >= recordCount())
        return;
    const QString address = textsOf(contactIndex_).value(mailField_);
    if (!address.contains(QLatin1Char('@')))
        return;
    OpenMailOnDesktop(context_.platform, address);
}

bool ContactWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mailLabel_ && event->type() == QEvent::MouseButtonRelease)
        mailTo();
    return QDialog::eventFilter(watched, event);
}

} // namespace kelvarino
