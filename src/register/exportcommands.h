#pragma once

#include "shell/appcontext.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QMenu;
class QWidget;

namespace kelvarino {

class SpreadsheetWriter;

// The two exports of a contact list as the user runs them: write the file,
// announce it, show it. The text file is written whole or not at all and shown
// in the program's own viewer; the workbook is announced only once written,
// then opened with its program. A failure of the viewer or of the program that
// opens the workbook is not a failure of the file.
class ExportCommands
{
public:
    ExportCommands(QWidget *window, AppContext &context);
    ~ExportCommands();

    // Where the exports go: the workbook writer, and how a written text file is
    // shown (by default in the program's own text viewer). Tests set their own.
    void setSpreadsheetWriter(SpreadsheetWriter *writer) { writer_ = writer; }
    void setTextFileViewer(std::function<void(const QString &path)> viewer) { viewText_ = std::move(viewer); }

    // The menu "Εξαγωγές" of the window, with its two commands.
    QMenu *newMenu(const std::function<void()> &textFile, const std::function<void()> &workbook);

    // base: the file's base name (nothing: no usable name).
    void writeTextFile(const std::optional<QString> &base, const QByteArray &bytes);
    // Refused when the list is empty; the cells are asked for only when it is not.
    void writeWorkbook(const std::optional<QString> &base, bool listEmpty,
                       const std::function<QList<QStringList>()> &cells);

private:
    QWidget *window_;
    AppContext &context_;
    SpreadsheetWriter *writer_ = nullptr;
    std::unique_ptr<SpreadsheetWriter> ownWriter_;
    std::function<void(const QString &)> viewText_;
};

} // namespace kelvarino
