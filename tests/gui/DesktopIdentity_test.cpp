#include "platform/qt/DesktopIdentity.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

#include "app/Version.h"

namespace korvel::test {
namespace {

TEST(DesktopIdentity, NamesTheProgramAndGivesEveryWindowTheIconInEverySize) {
    qt::SetUpDesktopIdentity();
    EXPECT_EQ(QCoreApplication::organizationName(), "Korvel");
    EXPECT_EQ(QCoreApplication::applicationName(), "Korvel");
    EXPECT_EQ(QCoreApplication::applicationVersion(), kVersion);
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.korvel.Korvel");

    QDialog window;
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    }
}

}  // namespace
}  // namespace korvel::test
