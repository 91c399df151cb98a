#pragma once

// Driving a modal window from a test. The step under test opens the window
// and blocks in its event loop; a repeating poll (never a one-shot that may
// fire too early) waits for the window to show and be ready, runs the test's
// actions on it and then closes it, whatever happened: the actions done, a
// check inside them failed, or the window never got ready. So exec() always
// returns, and the test fails with a message instead of hanging.
//
//     const auto modal = OnModal<SelectPrinter>([](SelectPrinter *w) { ... },
//                                               [](SelectPrinter *w) { return !w->busy(); });
//     dialog.printerClicked(); // returns once the window is closed
//
// The poll may run nested inside the window's own work (a progress step that
// processes events); it then only looks and returns, and tries again on a
// later tick. Windows that refuse to close while busy are asked again.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cxxabi.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <source_location>
#include <typeinfo>

namespace kelvarino {

class ModalDriver
{
public:
    // How long a window may take to open and get ready, and then to close:
    // far above an idle machine's few milliseconds, for a loaded machine.
    static constexpr qint64 BoundMs = 20000;

    struct Expectation
    {
        QString kind; // named in the failure messages
        std::function<QWidget *(QWidget *)> match; // the window, if it is the one expected
        std::function<bool(QWidget *)> ready;
        std::function<void(QWidget *)> act;
        bool expected = true; // false: no modal window may open
        bool mayOpen = false; // with expected false: modal windows may open, but none may stay open
        std::source_location where;
    };

    explicit ModalDriver(Expectation e) : s_(std::make_unique<State>(std::move(e)))
    {
        State *s = s_.get();
        s->clock.start();
        s->timer.setInterval(10);
        QObject::connect(&s->timer, &QTimer::timeout, &s->timer, [s] { s->tick(); });
        s->timer.start();
    }
    ModalDriver(ModalDriver &&) = default;
    ModalDriver &operator=(ModalDriver &&) = default;

    ~ModalDriver()
    {
        if (!s_)
            return;
        s_->timer.stop();
        if (s_->e.expected && !s_->seen && !s_->failed && !QTest::currentTestFailed())
            s_->fail(QStringLiteral("did not open"));
    }

    // Whether the expected window showed and the test's actions ran on it.
    bool seen() const { return s_->seen; }

    // The type's name without its namespace, for the messages.
    template <class W>
    static QString kindOf()
    {
        int status = 0;
        char *name = abi::__cxa_demangle(typeid(W).name(), nullptr, nullptr, &status);
        QString kind = QString::fromLatin1(status == 0 ? name : typeid(W).name());
        std::free(name);
        return kind.mid(kind.lastIndexOf(QLatin1Char(':')) + 1);
    }

private:
    struct State
    {
        explicit State(Expectation expectation) : e(std::move(expectation)) {}

        Expectation e;
        QTimer timer;
        QElapsedTimer clock;
        bool ticking = false; // a tick runs (the poll nested in the test's actions)
        bool seen = false;
        bool failed = false;
        bool acted = false;
        QPointer<QWidget> closing; // the window being closed
        qint64 closingSince = 0;
        QPointer<QWidget> open; // the modal window open now, when windows may open
        qint64 openSince = 0;

        void fail(const QString &what)
        {
            failed = true;
            const QString message = (e.expected ? QStringLiteral("the modal window ") + e.kind + QLatin1Char(' ')
                                     : e.mayOpen ? QStringLiteral("a modal window was left open: ")
                                                 : QStringLiteral("a modal window opened where none was expected: "))
                + what;
            QTest::qFail(qPrintable(message), e.where.file_name(), int(e.where.line()));
        }

        void tick()
        {
            if (ticking)
                return;
            ticking = true;
            step();
            ticking = false;
        }

        void step()
        {
            if (closing) {
                closeStep();
                return;
            }
            QWidget *modal = QApplication::activeModalWidget();
            if (failed) { // after a failure every modal window is closed, so nothing hangs
                if (modal)
                    beginClosing(modal);
                return;
            }
            if (acted) {
                timer.stop();
                return;
            }
            if (!e.expected && e.mayOpen) {
                watchOpen(modal);
                return;
            }
            if (!e.expected) {
                if (modal) {
                    fail(modal->windowTitle());
                    beginClosing(modal);
                }
                return;
            }
            QWidget *window = modal ? e.match(modal) : nullptr;
            if (window && window->isVisible() && (!e.ready || e.ready(window))) {
                seen = true;
                acted = true;
                if (QApplication::activeWindow() != window) {
                    window->activateWindow();
                    QApplication::setActiveWindow(window);
                }
                const bool failedBefore = QTest::currentTestFailed();
                e.act(window); // a failed check returns from it: the window is closed all the same
                if (!failedBefore && QTest::currentTestFailed())
                    fail(QStringLiteral("is closed after a failed check"));
                beginClosing(window);
            } else if (clock.elapsed() > BoundMs) {
                fail(window ? QStringLiteral("was not ready within %1 s").arg(BoundMs / 1000)
                            : QStringLiteral("did not open within %1 s").arg(BoundMs / 1000)
                                + (modal ? QStringLiteral(" (open instead: \"%1\")").arg(modal->windowTitle())
                                         : QString()));
                if (modal)
                    beginClosing(modal);
            }
        }

        // A modal window may open and close by itself; one still open after
        // the bound is left waiting: the test fails and it is closed.
        void watchOpen(QWidget *modal)
        {
            if (modal != open) {
                open = modal;
                openSince = clock.elapsed();
            } else if (modal && clock.elapsed() - openSince > BoundMs) {
                fail(QStringLiteral("\"%1\" stayed open for %2 s").arg(modal->windowTitle()).arg(BoundMs / 1000));
                beginClosing(modal);
            }
        }

        void beginClosing(QWidget *window)
        {
            closing = window;
            closingSince = clock.elapsed();
            closeStep();
        }

        // Asks the window to close; one that refuses (busy) is asked again on
        // a later tick, and hidden at last.
        void closeStep()
        {
            QWidget *window = closing;
            if (window && window->isVisible()) {
                if (auto *dialog = qobject_cast<QDialog *>(window))
                    dialog->reject();
                else
                    window->close();
            }
            if (!closing || !closing->isVisible()) {
                closing = nullptr;
            } else if (clock.elapsed() - closingSince > BoundMs) {
                if (!failed)
                    fail(QStringLiteral("refused to close for %1 s").arg(BoundMs / 1000));
                closing->hide();
                closing = nullptr;
            }
        }
    };

    std::unique_ptr<State> s_;
};

// Drives the modal window of type W that the next step opens: once it shows
// and `ready` (when given) holds, `act` runs on it; then it is closed. The
// test fails when no such window opens or gets ready within the bound.
template <class W>
[[nodiscard]] ModalDriver OnModal(std::function<void(W *)> act, std::function<bool(W *)> ready = {},
                                  std::source_location where = std::source_location::current())
{
    ModalDriver::Expectation e;
    e.kind = ModalDriver::kindOf<W>();
    e.match = [](QWidget *w) -> QWidget * { return dynamic_cast<W *>(w); };
    if (ready)
        e.ready = [ready](QWidget *w) { return ready(dynamic_cast<W *>(w)); };
    e.act = [act](QWidget *w) {
        if (act)
            act(dynamic_cast<W *>(w));
    };
    e.where = where;
    return ModalDriver(std::move(e));
}

// While it lives, no modal window may open: one that does is closed and the
// test fails.
[[nodiscard]] inline ModalDriver NoModal(std::source_location where = std::source_location::current())
{
    ModalDriver::Expectation e;
    e.expected = false;
    e.where = where;
    return ModalDriver(std::move(e));
}

// While it lives, modal windows may open but none may be left open: one still
// open after the bound is closed and the test fails.
[[nodiscard]] inline ModalDriver NoModalLeftOpen(std::source_location where = std::source_location::current())
{
    ModalDriver::Expectation e;
    e.expected = false;
    e.mayOpen = true;
    e.where = where;
    return ModalDriver(std::move(e));
}

} // namespace kelvarino
