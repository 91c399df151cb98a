#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kelvarino {

// A read-only window that shows a text file written in the Greek code page,
// standing in for the desktop's plain text editor (which would show such a
// file garbled).
class TextViewer : public QDialog
{
public:
    explicit TextViewer(QWidget *parent = nullptr);

    // False when the file cannot be read.
    bool loadFile(const QString &path);
    QString text() const;

    // Opens a viewer of its own on the file, maximized; it deletes itself when closed.
    static TextViewer *showFile(const QString &path, QWidget *parent = nullptr);

private:
    QPlainTextEdit *view_;
};

} // namespace kelvarino
