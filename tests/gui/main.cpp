// The offscreen tests of the Qt forms need one QApplication for the whole run.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/qt/DesktopIdentity.h"
#include "platform/qt/FormBinder.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    korvel::qt::SetUpDesktopIdentity();
    // What the forms keep between runs goes to a folder of this run, never to the user's settings.
    const QTemporaryDir settings;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, settings.path());
    }
    ::testing::InitGoogleTest(&argc, argv);
    // A failure escaping a handler would otherwise wait in a message box nobody can close.
    korvel::qt::FormBinder::FailureHook = [](const std::string& text) {
        ADD_FAILURE() << "A handler failed: " << text;
    };
    return RUN_ALL_TESTS();
}
