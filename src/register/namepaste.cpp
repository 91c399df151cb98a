#include "register/namepaste.h"

#include "core/fixedtext.h"
#include "core/recordmaintenance.h"
#include "platform/platform.h"
#include "register/grideditor.h"

#include <QLineEdit>
#include <QRegularExpression>

namespace kelvarino {

namespace {

QString WithoutLeadingBlanks(const QString &text)
{
    qsizetype begin = 0;
    while (begin < text.size() && text.at(begin) == QLatin1Char(' '))
        ++begin;
    return text.mid(begin);
}

} // namespace

QStringList SplitPastedNames(const QString &clipboardText)
{
    // Spreadsheets end their lines with CR LF, most programs here with LF;
    // a row of several cells has tabs between them.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList names;
    for (const QString &line : TrimBlanks(clipboardText).split(lineEnd)) {
        const QString name = WithoutLeadingBlanks(line.section(QLatin1Char('\t'), 0, 0));
        if (!name.isEmpty())
            names << Cp1253::storable(name);
    }
    return names;
}

// The paste of names: appended at the end when the new-record row is current,
// otherwise replacing the records from the current one onwards. Every name is
// created through the new-record row, like a typed one.
void GridEditor::pasteNames()
{
    commitFocusedCell();
    if (!inSync())
        showData();
    const int savedOffset = topOffset_;
    ClipboardService *clipboard = platform().clipboard;
    const QString text = clipboard->hasText() ? TrimBlanks(clipboard->text()) : QString();
    const QStringList names = SplitPastedNames(text);
    if (names.isEmpty()) {
        platform().messages->exclamation(texts_.pasteEmptyTitle, QStringLiteral("Ο clipboard είναι κενός."));
        return;
    }
    const int n = int(names.size());
    const int count = recordCount();
    const int p = std::min(currentRow_, count);
    const bool append = p == count;
    const qint64 finalCount = append ? qint64(count) + n : std::max<qint64>(count, qint64(p) + n);
    if (finalCount > MaxListCount) {
        platform().messages->exclamation(texts_.createTitle, texts_.capText);
        return;
    }

    ChoiceRequest request;
    request.title = texts_.pasteTitle;
    request.icon = ChoiceRequest::Information;
    if (append) {
        request.lines << (n == 1 ? texts_.pasteAppendOne : texts_.pasteAppendMany.arg(n));
    } else {
        request.lines << (n == 1 ? texts_.pasteReplaceOne : texts_.pasteReplaceMany.arg(n));
        request.lines << texts_.pasteWarning.arg(p + 1);
    }
    request.items = names;
    request.options = {texts_.pasteGo, texts_.pasteRefuse};
    request.defaultOption = 1;
    setCursor(Qt::WaitCursor);
    const int answer = platform().choices->ask(request);
    unsetCursor();
    if (answer != 0)
        return;

    const auto enterAll = [&] {
        for (const QString &name : names) {
            const int row = newRecordRow();
            if (QLineEdit *box = textCell(row, 0))
                box->setText(name);
            storeText(recordCount(), 0, name);
            createRecord();
        }
    };
    if (append) {
        enterAll();
    } else if (n >= count - p) {
        for (int k = count - 1; k >= p; --k)
            deleteRecord(k);
        topOffset_ = savedOffset;
        showData();
        enterAll();
    } else {
        for (int i = 0; i < n; ++i)
            deleteRecord(p);
        const int remaining = recordCount();
        topOffset_ = remaining > rowCount_ - 1 ? (rowCount_ - 1) - remaining : 0;
        showData();
        enterAll();
        for (int i = 0; i < n; ++i)
            moveRecord(recordCount() - 1, p);
        topOffset_ = savedOffset;
        showData();
    }
    listChanged();
    showData();
}

} // namespace kelvarino
