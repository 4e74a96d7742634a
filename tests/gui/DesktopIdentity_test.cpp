#include "platform/qt/DesktopIdentity.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/Version.h"

namespace korvel::test {
namespace {

TEST(DesktopIdentity, NamesTheProgramAndGivesEveryWindowTheIconInTitleBarSizes) {
    qt::SetUpDesktopIdentity();
    EXPECT_EQ(QCoreApplication::organizationName(), "Korvel");
    EXPECT_EQ(QCoreApplication::applicationName(), "Korvel");
    EXPECT_EQ(QCoreApplication::applicationVersion(), kVersion);
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.korvel.Korvel");

    QDialog window;
    // Each size is decoded at start-up: only those of title bars, plain and doubled.
    QList<QSize> sizes = window.windowIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    EXPECT_EQ(sizes, (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(64, 64)}));
}

}  // namespace
}  // namespace korvel::test
