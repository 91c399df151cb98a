#pragma once

#include "platform/desktopservices.h"

#include <QDialog>
#include <QList>

class QButtonGroup;
class QFontMetrics;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kelvarino {

class ChoiceMessage;

// The program's one question window with more than two answers: a title, an
// icon, word-wrapped paragraphs, an optional list of items and a column of
// option buttons with one preselected. Shown modally; answer() is the chosen
// option's index, -1 when it closed without "OK" or had no options.
class ChoiceDialog : public QDialog
{
public:
    ChoiceDialog(const ChoiceRequest &request, HelpService *help, QWidget *parent = nullptr);

    int answer() const { return answer_; }

    // Greedy line breaking at blanks: each line takes words while it stays at
    // most maxWidth wide; runs of blanks count as one; a word wider than a line
    // loses characters at its end. An empty paragraph gives one empty line.
    static QStringList wrapParagraph(const QString &text, const QFontMetrics &metrics, int maxWidth);

    // For tests and callers that need to look inside.
    const QList<QRadioButton *> &optionButtons() const { return buttons_; }
    const QList<QLabel *> &optionLabels() const { return labels_; }
    QListWidget *itemList() const { return list_; }
    QPushButton *okButton() const { return ok_; }
    ChoiceMessage *message() const { return message_; }
    QLabel *iconLabel() const { return icon_; }

    void chooseOption(int index);

protected:
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void confirm();
    int layOutOptions(const ChoiceRequest &request, int y);

    HelpService *help_;
    int answer_ = -1;
    ChoiceMessage *message_ = nullptr;
    QLabel *icon_ = nullptr;
    QListWidget *list_ = nullptr;
    QButtonGroup *group_ = nullptr;
    QList<QRadioButton *> buttons_;
    QList<QLabel *> labels_;
    QPushButton *ok_ = nullptr;
};

// The message box of the choice dialog: the paragraphs drawn line by line, one
// empty line between paragraphs, with a scroll bar when they do not fit.
class ChoiceMessage : public QWidget
{
public:
    ChoiceMessage(QStringList paragraphs, QWidget *parent);
    // Lays the text out for the widget's size; shows the scroll bar when needed.
    void layOut();
    const QStringList &lines() const { return lines_; } // empty strings are blank lines
    QScrollBar *scrollBar() const { return bar_; }
    int lineHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QStringList paragraphs_;
    QStringList lines_;
    QScrollBar *bar_;
};

} // namespace kelvarino
