#pragma once

#include "core/fixedtext.h"
#include "shell/appcontext.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kelvarino {

// One box of a contact window: its label, the width of its field in
// characters, and whether it holds several lines.
struct ContactField
{
    QString label;
    int width = 0;
    bool multiLine = false;
};

// The contact data of one record at a time (a person, a professional),
// stepping through the list. Every change of a box is stored at once: the text
// trimmed, cut to the field's width and compared with the stored field; a
// difference marks the work changed. The undo image puts back what the record
// held when it was shown, the clear image empties every box, and the e-mail
// label writes a message to the stored address.
class ContactWindow : public QDialog
{
public:
    void Show_Contact(int k);
    void previous();
    void next();
    void undo();
    void clearData();
    void mailTo();

    int contactIndex() const { return contactIndex_; }
    // The one-line box of a field (null for a box of several lines).
    QLineEdit *box(int field) const;
    QPlainTextEdit *textArea(int field) const;
    QPushButton *backButton() const { return back_; }
    QPushButton *nextButton() const { return next_; }
    QLabel *mailLabel() const { return mailLabel_; }

protected:
    ContactWindow(AppContext &context, std::vector<ContactField> fields, int mailField, int index,
                  QWidget *parent);

    // Builds the window and shows the first record; the member calls it at the
    // end of its constructor.
    void build();
    virtual void addTools(QHBoxLayout * /*tools*/) {}

    virtual int recordCount() const = 0;
    virtual QString captionOf(int k) const = 0;
    // What the boxes show of record k, field by field.
    virtual QStringList textsOf(int k) const = 0;
    virtual void keepUndoCopy(int k) = 0;
    virtual QStringList undoTexts() const = 0;
    // Stores the trimmed, cut text into field `field` of record k; true when it changed.
    virtual bool storeField(int k, int field, const QString &text) = 0;
    virtual QString storedEmail(int k) const = 0;

    // Every box receives its text, and the box rule runs for each.
    void setBoxes(const QStringList &texts);
    bool eventFilter(QObject *watched, QEvent *event) override;

    AppContext &context_;

private:
    QString boxText(int field) const;
    void setBoxText(int field, const QString &text);
    void boxChanged(int field);

    std::vector<ContactField> fields_;
    std::vector<QWidget *> boxes_;
    int mailField_ = -1;
    int contactIndex_ = 0;
    QLabel *mailLabel_ = nullptr;
    QPushButton *back_ = nullptr;
    QPushButton *next_ = nullptr;
};

// Stores the text into a fixed-width field; true when the field changed.
template <std::size_t N>
bool AssignField(FixedText<N> &field, const QString &text)
{
    const FixedText<N> value(text);
    if (value == field)
        return false;
    field = value;
    return true;
}

// Line breaks as the data file holds them (CR LF) and as a box shows them (LF).
QString StoredLineBreaks(const QString &shown);
QString ShownLineBreaks(const QString &stored);

} // namespace kelvarino
