#include "register/exportcommands.h"

#include "platform/desktopopening.h"
#include "platform/spreadsheetwriter.h"
#include "platform/textviewer.h"
#include "register/personsexport.h"

#include <QMenu>
#include <QSaveFile>
#include <QWidget>

namespace kelvarino {

ExportCommands::ExportCommands(QWidget *window, AppContext &context) : window_(window), context_(context) {}

ExportCommands::~ExportCommands() = default;

QMenu *ExportCommands::newMenu(const std::function<void()> &textFile, const std::function<void()> &workbook)
{
    auto *menu = new QMenu(QStringLiteral("Εξαγωγές"), window_);
    QObject::connect(menu->addAction(QStringLiteral("Εξαγωγή στοιχείων σε αρχείο ΤeΧΤ")), &QAction::triggered,
                     window_, textFile);
    QObject::connect(menu->addAction(QStringLiteral("Εξαγωγή στοιχείων σε αρχείο EXCEL")), &QAction::triggered,
                     window_, workbook);
    return menu;
}

void ExportCommands::writeTextFile(const std::optional<QString> &base, const QByteArray &bytes)
{
    MessageService &messages = *context_.platform.messages;
    const auto fail = [&](const QString &path) {
        window_->unsetCursor();
        messages.error(QStringLiteral("Πρόβλημα δημιουργίας αρχείου TeXT"),
                       QStringLiteral("Πρόβλημα παρουσιάστηκε κατά τη δημιουργία του αρχείου: ") + path +
                           QStringLiteral(" για την αποθήκευση των δεδομένων σας."));
    };
    if (!base) {
        fail(QString());
        return;
    }
    const QString path = ExportFolder(context_.state) + *base + QStringLiteral(".txt");
    window_->setCursor(Qt::WaitCursor);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        fail(path);
        return;
    }
    window_->unsetCursor();
    messages.information(QStringLiteral("Εκτύπωση σε αρχείο TeXT"),
                         QStringLiteral("Τα δεδομένα μεταφέρθηκαν στο αρχείο:\n\n") + path);
    if (viewText_)
        viewText_(path);
    else
        TextViewer::showFile(path, window_);
}

void ExportCommands::writeWorkbook(const std::optional<QString> &base, bool listEmpty,
                                   const std::function<QList<QStringList>()> &cells)
{
    MessageService &messages = *context_.platform.messages;
    const QString errorTitle = QStringLiteral("Πρόβλημα δημιουργίας αρχείου EXCEL");
    if (listEmpty) {
        messages.error(errorTitle, QStringLiteral("Δεν υπάρχουν δεδομένα για εξαγωγή."));
        return;
    }
    const auto fail = [&](const QString &path) {
        window_->unsetCursor();
        messages.error(errorTitle, QStringLiteral("Πρόβλημα παρουσιάστηκε κατά τη δημιουργία του αρχείου EXCEL με "
                                                  "όνομα: ") +
                                       path + QStringLiteral(" για την αποθήκευση των δεδομένων σας."));
    };
    if (!base) {
        fail(QString());
        return;
    }
    SpreadsheetWriter *writer = writer_;
    if (!writer) {
        ownWriter_ = std::make_unique<XlsxSpreadsheetWriter>();
        writer = ownWriter_.get();
    }
    const Platform &platform = context_.platform;
    const QDateTime now = platform.clock ? platform.clock->now() : QDateTime::currentDateTime();
    const QString path = ExportFolder(context_.state) + *base + QLatin1Char('_') + WorkbookStamp(now) +
                         QLatin1Char('.') + writer->extension();
    window_->setCursor(Qt::WaitCursor);
    if (!writer->writeWorkbook(path, cells())) {
        fail(path);
        return;
    }
    window_->unsetCursor();
    messages.information(QStringLiteral("Εκτύπωση σε αρχείο EXCEL"),
                         QStringLiteral("Τα δεδομένα μεταφέρθηκαν στο αρχείο EXCEL με όνομα:\n\n") + path);
    OpenSavedFileOnDesktop(platform, path);
}

} // namespace kelvarino
