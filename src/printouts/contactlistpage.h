#pragma once

#include "printing/printingcontext.h"
#include "printouts/contactlist.h"

#include <QDialog>

#include <memory>
#include <vector>

class QAction;
class QScrollBar;

namespace kelvarino {

class PageSurface;
class PageSink;

// The contact list of the persons or of the professionals: a boxed table on
// fixed A4-landscape pages, previewed one page at a time (a left click
// magnifies about the pressed point, the scroll bar pages), its cell height
// kept in Heights(0) of the list's print-settings slot, printed through the
// printing services' job.
class ContactListPage : public QDialog
{
    Q_OBJECT

public:
    ContactListPage(const PrintingContext &context, ContactListKind kind, QWidget *parent = nullptr);
    ~ContactListPage() override;

    const ContactListSpec &spec() const { return spec_; }
    float cellHeight() const { return cellHeight_; }
    int rowCapacity() const { return rowCapacity_; }
    int pageRows() const { return pageRows_; }
    int currentPage() const { return currentPage_; }
    int previewZoom() const { return zoom_; }
    QPointF zoomOrigin() const { return origin_; }
    const std::vector<int> &displayOrder() const { return order_; }
    QScrollBar *scrollBar() const { return scroll_; }
    QAction *action(const QString &name) const;

    // Draws page `page` (from 1) at zoom 1 or 2 about the point (r, s) of the
    // whole page, in page units of the surface.
    void drawListPage(PageSurface &surface, int zoom, double r, double s, int page) const;

    // The user's commands, also for tests.
    void increaseHeight();
    void decreaseHeight();
    void setAlphabetical(bool alphabetical);
    void chooseFont();
    void sendToPrinter();
    void showPageSetupNote();
    // A press on the page at a point in page units.
    void pagePressed(QPointF point, Qt::MouseButton button);
    void scrolledTo(int position);
    // The keys of the page: Page Down and Down show the next page, Page Up
    // and Up the previous one, + magnifies about the page's centre and -
    // shows the whole page again. True when the key was one of them.
    bool pageKey(int key, Qt::KeyboardModifiers modifiers);
    // The print job with the dialog's answers: every page or the current one.
    bool printList(int copies, bool allPages);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    class Canvas;

    PrintSetting &slot() const;
    void buildMenus();
    void placeCanvas();
    void rowsPerPage();
    void paginate();
    void storeCellHeight(float height);
    PrintingDialogs &dialogs();

    PrintingContext context_;
    const ContactListSpec &spec_;
    std::unique_ptr<PrintingDialogs> ownDialogs_;
    float cellHeight_ = 235;
    int rowCapacity_ = 1;
    int pageRows_ = 1;
    int currentPage_ = 1;
    int zoom_ = 1;
    QPointF origin_;
    std::vector<int> order_;
    Canvas *canvas_ = nullptr;
    QScrollBar *scroll_ = nullptr;
    QAction *orderAction_ = nullptr;
};

} // namespace kelvarino
