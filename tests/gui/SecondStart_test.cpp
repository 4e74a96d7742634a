#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "league/LeagueFiles.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

// Two starts of the program in one start folder: the second brings the first forward, ends with
// 0 and leaves the first running, holding the folder.
TEST(SecondStart, BringsTheRunningWindowForwardAndEnds) {
    TempFolder folder;
    const fs::path start = folder / "start";
    fs::create_directories(start);
    const fs::path base = WriteGeneratedLeague(folder.Path(), "LIVE", {.Seed = 5, .Teams = 6});
    const QTemporaryDir runtime;  // where the programs meet, made for this test alone
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", runtime.path());

    QProcess first;
    first.setProcessEnvironment(environment);
    first.setWorkingDirectory(QString::fromStdString(start.string()));
    first.start(KORVEL_GUI, {});
    ASSERT_TRUE(first.waitForStarted());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !QDir(runtime.path()).entryList({"korvel-*"}, QDir::System).isEmpty(); },
        20000));

    QProcess second;
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(first.workingDirectory());
    second.start(KORVEL_GUI, {QString::fromStdString(WithExtension(base, ".tms").string())});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);

    // The first loaded the league the second was given.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return ReadDefaultsFile(DefaultsFileIn(start)) == base; }, 10000));
    first.terminate();
    EXPECT_TRUE(first.waitForFinished(10000));
}

}  // namespace
}  // namespace korvel::test
