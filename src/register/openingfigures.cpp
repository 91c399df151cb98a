#include "register/openingfigures.h"

#include "core/appstate.h"
#include "core/formatting.h"
#include "platform/messageservice.h"
#include "platform/twips.h"
#include "register/amountentry.h"
#include "register/listgeneration.h"
#include "shell/childframe.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace kelvarino {

namespace {

const char *BoxProperty = "openingBox";

QLabel *makeLabel(QWidget *window, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, window);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void makeClickable(QLabel *label, QObject *filter)
{
    label->setToolTip(QStringLiteral("κλικ για επεξηγήσεις"));
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(filter);
}

QFrame *makeLine(QWidget *window, QFrame::Shape shape, const QRect &geometry)
{
    auto *line = new QFrame(window);
    line->setFrameShape(shape);
    line->setLineWidth(3);
    line->setStyleSheet(QStringLiteral("QFrame { background-color: black; }"));
    line->setGeometry(geometry);
    return line;
}

} // namespace

OpeningFigures::OpeningFigures(QWidget *window, AppState &state, MessageService &messages)
    : QObject(window), state_(state), messages_(messages)
{
    build(window);
    fill();
}

void OpeningFigures::build(QWidget *window)
{
    BuildingData &b = state_.Building;
    cashLabel_ = makeLabel(window, QStringLiteral("Αρχικό Ταμείο Κίνησης:"), Twips::rect(120, 120, 2835, 360));
    chargesLabel_ = makeLabel(window, QStringLiteral("Δαπάνες από προηγούμενη διαχειριστική περίοδο:"),
                              Twips::rect(120, 540, 2835, 720));
    makeClickable(cashLabel_, this);
    makeClickable(chargesLabel_, this);
    makeLabel(window, QStringLiteral("Σημείωση:"), Twips::rect(120, 1380, 2835, 300));
    reservesTitle_ = makeLabel(window, QString(), Twips::rect(7560, 60, 5715, 360));
    reservesTitle_->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
    makeClickable(reservesTitle_, this);

    boxes_[CashBox] = {new QLineEdit(window), &b.InitialCash, 0};
    boxes_[CashBox].edit->setGeometry(Twips::rect(3000, 120, 2355, 360));
    boxes_[ChargesBox] = {new QLineEdit(window), &b.PreviousPeriodCharges, 0};
    boxes_[ChargesBox].edit->setGeometry(Twips::rect(3000, 540, 2355, 360));
    for (int c = 0; c < CategoryCount; ++c) {
        const double top = 420 + 360 * c;
        reserveLabels_[std::size_t(c)] = makeLabel(window, QString(), Twips::rect(7560, top, 3375, 360));
        boxes_[std::size_t(FirstReserveBox + c)] = {new QLineEdit(window), &b.Reserves[std::size_t(c)], 0};
        boxes_[std::size_t(FirstReserveBox + c)].edit->setGeometry(Twips::rect(10920, top, 2355, 360));
    }
    for (int i = 0; i < BoxCount; ++i) {
        QLineEdit *edit = boxes_[std::size_t(i)].edit;
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setProperty(BoxProperty, i);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, i] { typed(i); });
    }
    note_ = new QPlainTextEdit(window);
    note_->setGeometry(Twips::rect(120, 1680, 7095, 855));
    note_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab and Shift+Tab move on as in every other box; a note holds no tabs.
    note_->setTabChangesFocus(true);
    note_->installEventFilter(this);
    connect(note_, &QPlainTextEdit::textChanged, this, [this] { noteChanged(); });

    makeLine(window, QFrame::VLine, Twips::rect(7440, 0, 45, 2700));
    makeLine(window, QFrame::HLine, Twips::rect(0, 2700, 13440, 45));

    // The tab order of the design: the initial cash first, then the charges, the
    // reserves and the note.
    QWidget::setTabOrder(boxes_[CashBox].edit, boxes_[ChargesBox].edit);
    QWidget *previous = boxes_[ChargesBox].edit;
    for (int c = 0; c < CategoryCount; ++c) {
        QWidget::setTabOrder(previous, reserveBox(c));
        previous = reserveBox(c);
    }
    QWidget::setTabOrder(previous, note_);
}

QString OpeningFigures::display(float value) const
{
    return AmountDisplay(value);
}

void OpeningFigures::syncWithData()
{
    if (shownGeneration_ != ListGeneration())
        fill();
}

void OpeningFigures::fill()
{
    shownGeneration_ = ListGeneration();
    editing_ = false;
    for (AmountBox &box : boxes_) {
        box.edit->setText(display(*box.stored));
        box.snapshot = *box.stored;
    }
    for (int c = 0; c < CategoryCount; ++c)
        reserveLabels_[std::size_t(c)]->setText(state_.Building.CategoryLabel(c));
    showReservesTotal();
    QString note = state_.Building.InitialNote.trimmed();
    note.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    note_->setPlainText(note);
}

void OpeningFigures::showReservesTotal()
{
    float total = 0;
    for (float reserve : state_.Building.Reserves)
        total += reserve;
    reservesTitle_->setText(QStringLiteral("ΑΠΟΘΕΜΑΤΙΚΑ (") + FormatAmount(total, 2, true) + QStringLiteral(" €)"));
}

void OpeningFigures::typed(int index)
{
    if (shownGeneration_ != ListGeneration()) {
        fill();
        return;
    }
    if (!editing_)
        return;
    AmountBox &box = boxes_[std::size_t(index)];
    float value = 0;
    if (!ReadTypedAmount(box.edit->text(), value)) {
        box.edit->setText(display(*box.stored));
        return;
    }
    if (DiffersEnough(*box.stored, value)) {
        *box.stored = value;
        state_.DataChanged = true;
    }
}

void OpeningFigures::left(int index)
{
    AmountBox &box = boxes_[std::size_t(index)];
    float value = 0;
    if (ReadTypedAmount(box.edit->text(), value)) {
        if (DiffersEnough(*box.stored, value)) {
            *box.stored = value;
            state_.DataChanged = true;
        }
        box.snapshot = *box.stored;
    }
    box.edit->setText(display(*box.stored));
    editing_ = false;
}

void OpeningFigures::escape(int index)
{
    AmountBox &box = boxes_[std::size_t(index)];
    box.edit->setText(display(box.snapshot));
    typed(index);
}

void OpeningFigures::enter(int index)
{
    left(index);
    if (index == CashBox || index == ChargesBox)
        reserveBox(0)->setFocus(Qt::TabFocusReason);
    else if (index < BoxCount - 1)
        boxes_[std::size_t(index + 1)].edit->setFocus(Qt::TabFocusReason);
    else if (afterLastReserve_)
        afterLastReserve_();
}

void OpeningFigures::noteChanged()
{
    QString text = TrimBlanks(note_->toPlainText());
    // The data file keeps the note's line breaks as CR LF.
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (!state_.Building.InitialNote.assign(text))
        return;
    if (editing_)
        state_.DataChanged = true;
}

void OpeningFigures::explainInitialCash()
{
    messages_.information(
        QStringLiteral("Επεξήγηση του αρχικού ταμείου κίνησης"),
        QStringLiteral("Αρχικό ταμείο κίνησης νοείται το ρευστό που παραδίδει ο προηγούμενος διαχειριστής στον "
                       "επόμενο.\r\nΔεν συμπεριλαμβάνει τα αποθεματικά που πιθανά έχουν κατατεθεί σε τράπεζα."));
}

void OpeningFigures::explainPreviousCharges()
{
    messages_.information(
        QStringLiteral("Επεξήγηση των αρχικών χρεώσεων"),
        QStringLiteral("Έστω ότι ο προηγούμενος διαχειριστής έκανε δαπάνες που πρέπει εσείς να τις συλλέξετε από τα "
                       "διαμερίσματα.\r\n"
                       "Έστω επίσης, ότι για κάποιο λόγο θέλετε να εισάγετε στο λογισμικό τις δαπάνες αυτές, που "
                       "όμως δεν τις έχετε πληρώσεις εσείς.\r\n"
                       "Αν δεν έχετε εισάγει στο λογισμικό τις δαπάνες αυτές τότε δεν έχετε αρχικές χρεώσεις.\r\n"
                       "Σε περίπτωση που εισάγετε τις δαπάνες αυτές στο λογισμικό, τότε πρέπει να τις δηλώσετε ως "
                       "αρχικές χρεώσεις.\r\n"
                       "Για τον προσδιορισμό του ταμείου σας, οι δαπάνες αυτές δεν πρέπει να προσμετρώνται."));
}

void OpeningFigures::explainReserves()
{
    messages_.information(
        QStringLiteral("Επεξήγηση των αποθεματικών"),
        QStringLiteral("Αποθεματικά είναι χρήματα που έχετε μεταφέρει από το ταμείο κίνησης στην τράπεζα.\r\n"
                       "Κατά τη μεταφορά θα πρέπει να ελαττώσετε ισόποσα το αρχικό ταμείο κίνησης, ακόμη και αν αυτό "
                       "συνεπάγεται αρνητικό ποσό στο αρχικό ταμείο κίνησης.\r\n"
                       "Φυσικά, μπορεί να γίνεται και το αντίστροφο. Δηλαδή, να μεταφέρετε χρήματα από τα "
                       "αποθεματικά στο ταμείο κίνησης. Και πάλι θα πρέπει να εναρμονίσετε τα δύο στοιχεία "
                       "κατάλληλα.\r\n\r\n"
                       "Για να υπάρξουν αποθεματικά θα πρέπει να χρεώσετε αντίστοιχα τους ενοίκους/ιδιοκτήτες.\r\n"
                       "Άρα, θα πρέπει να εμφανίσετε αντίστοιχες χρεώσεις ως δαπάνες που ενώ θα γίνουν στο μέλλον "
                       "εσείς τις συλλέγετε ενωρίτερα.\r\n"
                       "Ο επιμερισμός αυτής της δαπάνης/χρέωσης στους ενοίκους γίνεται με τα αντίστοιχα χιλιοστά της "
                       "κατηγορίας δαπανών.\r\n"));
}

bool OpeningFigures::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == cashLabel_)
            explainInitialCash();
        else if (watched == chargesLabel_)
            explainPreviousCharges();
        else if (watched == reservesTitle_)
            explainReserves();
        return QObject::eventFilter(watched, event);
    }
    if (watched == note_) {
        if (event->type() == QEvent::FocusIn)
            editing_ = true;
        else if (event->type() == QEvent::FocusOut) {
            editing_ = false;
            noteChanged();
        }
        return QObject::eventFilter(watched, event);
    }
    const QVariant index = watched->property(BoxProperty);
    if (!index.isValid())
        return QObject::eventFilter(watched, event);
    const int box = index.toInt();
    switch (event->type()) {
    case QEvent::FocusIn:
        syncWithData();
        editing_ = true;
        break;
    case QEvent::FocusOut: {
        if (LeavesBox(boxes_[std::size_t(box)].edit, static_cast<QFocusEvent *>(event)))
            left(box);
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape) {
            escape(box);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enter(box);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvarino
