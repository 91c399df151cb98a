#include "shell/choicedialog.h"

#include "core/fixedtext.h"
#include "platform/twips.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

namespace kelvarino {

namespace {

// Design geometry, in twips.
constexpr int WindowWidth = 9000;
constexpr int MessageLeft = 720, MessageTop = 60, MessageWidth = 7995, MessageHeight = 1515;
constexpr int ListLeft = 180, ListTop = 1860, ListWidth = 8535, ListHeight = 1500;
constexpr int ButtonLeft = 180, ButtonWidth = 315, ButtonHeight = 195;
constexpr int LabelLeft = 540, LabelWidth = 8115, LabelHeight = 210;
constexpr int OkWidth = 1115, OkHeight = 480;
constexpr int Gap = 120;
constexpr int LineHeight = 180;

const QColor Background(224, 224, 224);
const QColor MessageColour(0, 0, 192);

QFont dialogFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(8.25);
    return font;
}

QStyle::StandardPixmap iconPixmap(int icon)
{
    switch (icon) {
    case ChoiceRequest::Question: return QStyle::SP_MessageBoxQuestion;
    case ChoiceRequest::Information: return QStyle::SP_MessageBoxInformation;
    case ChoiceRequest::Exclamation: return QStyle::SP_MessageBoxWarning;
    default: return QStyle::SP_MessageBoxCritical;
    }
}

} // namespace

QStringList ChoiceDialog::wrapParagraph(const QString &text, const QFontMetrics &metrics, int maxWidth)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList lines;
    QString line;
    auto fitted = [&](QString candidate) {
        while (!candidate.isEmpty() && metrics.horizontalAdvance(candidate) > maxWidth)
            candidate.chop(1);
        return candidate;
    };
    for (const QString &word : words) {
        if (line.isEmpty()) {
            line = word;
            continue;
        }
        const QString longer = line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(longer) <= maxWidth) {
            line = longer;
        } else {
            lines.append(fitted(line));
            line = word;
        }
    }
    lines.append(fitted(line));
    return lines;
}

ChoiceMessage::ChoiceMessage(QStringList paragraphs, QWidget *parent)
    : QWidget(parent), paragraphs_(std::move(paragraphs)), bar_(new QScrollBar(Qt::Vertical, this))
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Background);
    setPalette(colours);
    bar_->hide();
    bar_->setMinimum(0);
    bar_->setSingleStep(1);
    bar_->setPageStep(5);
    connect(bar_, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

int ChoiceMessage::lineHeight() const { return Twips::toPixels(LineHeight, this); }

void ChoiceMessage::layOut()
{
    const int barWidth = bar_->sizeHint().width();
    bar_->setGeometry(width() - barWidth, 0, barWidth, height());
    // The bar's width stays free whether it is shown or not.
    const int margin = Twips::toPixels(60, this);
    const int textWidth = width() - barWidth - 2 * margin - Twips::toPixels(60, this);
    const QFontMetrics metrics(font());
    lines_.clear();
    for (qsizetype i = 0; i < paragraphs_.size(); ++i) {
        if (i > 0)
            lines_.append(QString());
        lines_.append(ChoiceDialog::wrapParagraph(paragraphs_.at(i), metrics, textWidth));
    }
    const int top = Twips::toPixels(60, this);
    const int excess = top + int(lines_.size()) * lineHeight() - height();
    if (excess > 0) {
        bar_->setMaximum(excess / lineHeight() + 1);
        bar_->show();
    } else {
        bar_->setMaximum(0);
        bar_->hide();
    }
    update();
}

void ChoiceMessage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void ChoiceMessage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(MessageColour);
    const int left = Twips::toPixels(60 + 30, this);
    const int right = width() - bar_->sizeHint().width() - Twips::toPixels(60 + 30, this);
    int y = Twips::toPixels(60, this) - bar_->value() * lineHeight();
    for (const QString &line : lines_) {
        painter.drawText(QRect(left, y, right - left, lineHeight()), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += lineHeight();
    }
}

ChoiceDialog::ChoiceDialog(const ChoiceRequest &request, HelpService *help, QWidget *parent)
    : QDialog(parent), help_(help)
{
    setWindowTitle(TrimBlanks(request.title));
    setFont(dialogFont());
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Background);
    setPalette(colours);
    auto px = [this](int twips) { return Twips::toPixels(twips, this); };

    icon_ = new QLabel(this);
    icon_->setGeometry(px(120), px(60), px(480), px(480));
    icon_->setAlignment(Qt::AlignCenter);
    // An icon outside the four known ones shows none.
    if (request.icon >= ChoiceRequest::Question && request.icon <= ChoiceRequest::Critical)
        icon_->setPixmap(style()->standardIcon(iconPixmap(request.icon)).pixmap(32, 32));
    else
        icon_->hide();

    message_ = new ChoiceMessage(request.lines, this);
    message_->setGeometry(px(MessageLeft), px(MessageTop), px(MessageWidth), px(MessageHeight));

    int y = MessageTop + MessageHeight + Gap;
    list_ = new QListWidget(this);
    if (!request.items.isEmpty()) {
        list_->setGeometry(px(ListLeft), px(ListTop), px(ListWidth), px(ListHeight));
        QFont bold = dialogFont();
        bold.setBold(true);
        list_->setFont(bold);
        QPalette listColours = list_->palette();
        listColours.setColor(QPalette::Text, QColor(0, 128, 0));
        list_->setPalette(listColours);
        list_->addItems(request.items);
        y = ListTop + ListHeight + Gap;
    } else {
        list_->hide();
    }

    y = layOutOptions(request, y);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    QFont okFont(QStringLiteral("MS Sans Serif"));
    okFont.setPointSizeF(8.25);
    okFont.setBold(true);
    ok_->setFont(okFont);
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    const int okTop = y + 240;
    ok_->setGeometry((px(WindowWidth) - px(OkWidth)) / 2, px(okTop), px(OkWidth), px(OkHeight));
    connect(ok_, &QPushButton::clicked, this, &ChoiceDialog::confirm);

    setFixedSize(px(WindowWidth), px(okTop + OkHeight + Gap));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center().x() - width() / 2, area.center().y() - height() / 2);
    }
    message_->layOut();
}

int ChoiceDialog::layOutOptions(const ChoiceRequest &request, int y)
{
    auto px = [this](int twips) { return Twips::toPixels(twips, this); };
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    for (qsizetype k = 0; k < request.options.size(); ++k) {
        auto *button = new QRadioButton(this);
        button->setGeometry(px(ButtonLeft), px(y), px(ButtonWidth) + 4, px(ButtonHeight) + 4);
        group_->addButton(button, int(k));
        auto *label = new QLabel(TrimBlanks(request.options.at(k)), this);
        label->setWordWrap(true);
        QPalette labelColours = label->palette();
        labelColours.setColor(QPalette::WindowText, QColor(255, 0, 0));
        label->setPalette(labelColours);
        const int labelHeight = std::max(px(LabelHeight), label->heightForWidth(px(LabelWidth)));
        label->setGeometry(px(LabelLeft), px(y), px(LabelWidth), labelHeight);
        label->installEventFilter(this);
        buttons_.append(button);
        labels_.append(label);
        const int bottom = std::max(y + ButtonHeight, y + int(Twips::fromPixels(labelHeight, this) + 0.5));
        y = bottom + Gap;
    }
    // A preselection outside the options selects none.
    if (request.defaultOption >= 0 && request.defaultOption < buttons_.size())
        buttons_.at(request.defaultOption)->setChecked(true);
    return y;
}

void ChoiceDialog::chooseOption(int index)
{
    if (index >= 0 && index < buttons_.size())
        buttons_.at(index)->setChecked(true);
}

bool ChoiceDialog::eventFilter(QObject *watched, QEvent *event)
{
    const auto index = labels_.indexOf(qobject_cast<QLabel *>(watched));
    if (index >= 0) {
        if (event->type() == QEvent::MouseButtonPress) {
            chooseOption(int(index));
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            chooseOption(int(index));
            confirm();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ChoiceDialog::confirm()
{
    if (!buttons_.isEmpty())
        answer_ = group_->checkedId(); // -1 when none is selected
    accept();
}

void ChoiceDialog::done(int result)
{
    if (result != QDialog::Accepted)
        answer_ = -1;
    if (help_)
        help_->closeAll();
    QDialog::done(result);
}

} // namespace kelvarino
