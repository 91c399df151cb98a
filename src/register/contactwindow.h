#pragma once

#include "core/fixedtext.h"
#include "shell/appcontext.h"

#include <QDialog>
#include <QStringList>
#include <QStyle>

#include <functional>
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
    ~ContactWindow() override;

    void showContact(int k);
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
    // An image button of the tool row.
    void addTool(QHBoxLayout *tools, QStyle::StandardPixmap icon, const QString &tip,
                 const std::function<void()> &action);

    virtual int recordCount() const = 0;
    virtual QString captionOf(int k) const = 0;
    // What the boxes show of record k, field by field.
    virtual QStringList textsOf(int k) const = 0;
    virtual void keepUndoCopy(int k) = 0;
    virtual QStringList undoTexts() const = 0;
    // Stores the trimmed, cut text into field `field` of record k; true when it changed.
    virtual bool storeField(int k, int field, const QString &text) = 0;

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

// Line breaks as the data file holds them (CR LF) and as a box shows them (LF).
QString StoredLineBreaks(const QString &shown);
QString ShownLineBreaks(const QString &stored);

// One box of a contact window over records R: its look, and how it reads and
// stores its field.
template <class R>
struct ContactBox
{
    ContactField look;
    std::function<QString(const R &)> text; // trimmed
    std::function<bool(R &, const QString &)> store; // true when the field changed
};

// The box of a text field, as wide as the field. A box of several lines shows
// line breaks as LF while the record holds them as stored: notes that differ
// only in how their lines break are not a change.
template <class R, std::size_t N>
ContactBox<R> ContactText(QString label, FixedText<N> R::*member, bool multiLine = false)
{
    ContactBox<R> box;
    box.look = {std::move(label), int(N), multiLine};
    box.text = [member](const R &r) { return (r.*member).trimmed(); };
    box.store = [member, multiLine](R &r, const QString &text) {
        if (multiLine && ShownLineBreaks((r.*member).trimmed()) == ShownLineBreaks(text))
            return false;
        return (r.*member).assign(text);
    };
    return box;
}

// The contact window over one list of the building's records: the member
// names the list and the boxes, and gives the caption.
template <class R>
class RecordContactWindow : public ContactWindow
{
protected:
    RecordContactWindow(AppContext &context, std::vector<R> BuildingData::*list, std::vector<ContactBox<R>> boxes,
                        int mailField, int index, QWidget *parent)
        : ContactWindow(context, looksOf(boxes), mailField, index, parent), list_(list), boxes_(std::move(boxes))
    {
    }

    R &record(int k) const { return (context_.state.Building.*list_)[std::size_t(k)]; }

    int recordCount() const override { return int((context_.state.Building.*list_).size()); }
    QStringList textsOf(int k) const override { return textsOfRecord(record(k)); }
    void keepUndoCopy(int k) override { undoCopy_ = record(k); }
    QStringList undoTexts() const override { return textsOfRecord(undoCopy_); }
    bool storeField(int k, int field, const QString &text) override
    {
        return boxes_[std::size_t(field)].store(record(k), text);
    }

private:
    static std::vector<ContactField> looksOf(const std::vector<ContactBox<R>> &boxes)
    {
        std::vector<ContactField> looks;
        for (const ContactBox<R> &box : boxes)
            looks.push_back(box.look);
        return looks;
    }
    QStringList textsOfRecord(const R &r) const
    {
        QStringList texts;
        for (const ContactBox<R> &box : boxes_)
            texts << box.text(r);
        return texts;
    }

    std::vector<R> BuildingData::*list_;
    std::vector<ContactBox<R>> boxes_;
    R undoCopy_{};
};

} // namespace kelvarino
