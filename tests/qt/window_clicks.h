#pragma once

// The mouse as the window system gives it: presses, moves, releases and clicks sent
// to the window at a point of it, so that Qt itself finds the widget that lies on
// top there, as it does for a person. A widget covered by another never gets the
// click meant for it.

#include <QByteArray>
#include <QCursor>
#include <QList>
#include <QSize>
#include <QWidget>
#include <QWindow>
#include <QtTest>

namespace tavolora::testing {

// The point `at` of `widget` in its window's coordinates.
inline QPoint in_window(const QWidget* widget, QPoint at) { return widget->mapTo(widget->window(), at); }

inline void window_move(QWidget& window, QPoint at) { QTest::mouseMove(window.windowHandle(), at); }
inline void window_press(QWidget& window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseMove(window.windowHandle(), at);
    QTest::mousePress(window.windowHandle(), button, {}, at);
}
inline void window_release(QWidget& window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(window.windowHandle(), button, {}, at);
}
inline void window_click(QWidget& window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseMove(window.windowHandle(), at);
    QTest::mouseClick(window.windowHandle(), button, {}, at);
}

// The pointer itself brought to `at` of the window and left there, as a person's
// hand leaves it, for as long as this lives; then put back where it was, so that the
// tests after it do not run under it. A widget shown meanwhile looks for the pointer
// where the window system puts it (QTest's moves through the window leave that as it
// was) and, lying under it, takes the mouse's enter at once.
class RestingPointer {
public:
    RestingPointer(QWidget& window, QPoint at) : before_(QCursor::pos()) {
        QCursor::setPos(window.mapToGlobal(at));
        window_move(window, at);
    }
    ~RestingPointer() { QCursor::setPos(before_); }
    RestingPointer(const RestingPointer&) = delete;
    RestingPointer& operator=(const RestingPointer&) = delete;

private:
    QPoint before_;
};

// A click on the middle of `widget`, sent to its window: it reaches the widget only
// when nothing lies over that point.
inline void click_through_window(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    QVERIFY(widget != nullptr);
    QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
    window_click(*widget->window(), in_window(widget, widget->rect().center()), button);
}

// The widget the window finds at the middle of `widget`: `widget` itself, or a child
// of it, when nothing covers it there.
inline bool on_top_at_its_middle(const QWidget* widget) {
    const QWidget* window = widget->window();
    const QWidget* found = window->childAt(in_window(widget, widget->rect().center()));
    return found == widget || (found != nullptr && widget->isAncestorOf(found));
}

// The window's size: `fallback`, or TAVOLORA_WINDOW_SIZE ("1600x1000").
inline QSize window_size_from_environment(QSize fallback) {
    const QList<QByteArray> parts = qgetenv("TAVOLORA_WINDOW_SIZE").split('x');
    if (parts.size() == 2 && parts[0].toInt() > 0 && parts[1].toInt() > 0) return {parts[0].toInt(), parts[1].toInt()};
    return fallback;
}

}  // namespace tavolora::testing
