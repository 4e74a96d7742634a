#pragma once

// What the offscreen tests of the forms share: clicking list entries as a user does, reading what
// a list shows, and writing pictures of the windows.

#include <QApplication>
#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <filesystem>
#include <string>

namespace korvel::test {

// A control's text (UTF-8) as Qt shows it.
inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A row of a list or a table.
inline QPoint RowCentre(const QAbstractItemView& view, int row) {
    return view.visualRect(view.model()->index(row, 0)).center();
}

inline void ClickRow(QAbstractItemView& view, int row) {
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, RowCentre(view, row));
}

// The events a real double click brings: press, release, double click, release.
inline void DoubleClick(QWidget& widget, QPoint at = {}) {
    QTest::mousePress(&widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(&widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, at);
}

inline void DoubleClickRow(QAbstractItemView& view, int row) {
    DoubleClick(*view.viewport(), RowCentre(view, row));
}

// Shows the window and makes it the active window, so that focus moves among its widgets as it
// does on a desktop (the first widget of the tab chain takes the focus).
inline bool Activate(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// Presses Tab in the focused widget until `target` has the focus; false when it never gets it.
inline bool TabTo(const QWidget& target) {
    for (int presses = 0; presses < 100 && !target.hasFocus(); ++presses) {
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr) return false;
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return target.hasFocus();
}

inline QStringList Texts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
    return texts;
}

// Writes a PNG of the window under the build folder's screenshots folder; true when written.
inline bool SaveScreenshot(QWidget& window, const std::string& name) {
    const std::filesystem::path folder = KORVEL_SCREENSHOT_DIR;
    std::filesystem::create_directories(folder);
    return window.grab().save(QString::fromStdString((folder / name).string()), "PNG");
}

}  // namespace korvel::test
