#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "platform/PrivateSockets.h"
#include "platform/qt/QtText.h"
#include "support/TempFolder.h"

namespace korvel::test {
namespace {
namespace fs = std::filesystem;

// Points XDG_RUNTIME_DIR and TMPDIR at folders of the test for its length.
class SocketPlace {
  public:
    SocketPlace(const QString& runtime, const QString& temporary)
        : runtime_(Saved("XDG_RUNTIME_DIR")), temporary_(Saved("TMPDIR")) {
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
        qputenv("TMPDIR", temporary.toUtf8());
    }
    ~SocketPlace() {
        Restore("XDG_RUNTIME_DIR", runtime_);
        Restore("TMPDIR", temporary_);
    }
    SocketPlace(const SocketPlace&) = delete;
    SocketPlace& operator=(const SocketPlace&) = delete;

  private:
    static std::optional<QByteArray> Saved(const char* name) {
        if (!qEnvironmentVariableIsSet(name)) return std::nullopt;
        return qgetenv(name);
    }
    static void Restore(const char* name, const std::optional<QByteArray>& value) {
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }

    std::optional<QByteArray> runtime_;
    std::optional<QByteArray> temporary_;
};

class SingleInstanceTest : public ::testing::Test {
  protected:
    // Connects to the program's socket as a second start would, without waiting in a loop of
    // its own (the program answers from this thread's event loop).
    std::unique_ptr<QLocalSocket> Connect() {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(SingleInstance::SocketName(start.Path()));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return socket->state() == QLocalSocket::ConnectedState; }, 5000));
        return socket;
    }

    TempFolder start;
    QTemporaryDir runtime;  // made private (0700), as a desktop's runtime folder is
    SocketPlace place{runtime.path(), runtime.path()};
};

TEST_F(SingleInstanceTest, AnswersALineAndPassesOnTheLeague) {
    SingleInstance instance(start.Path());
    ASSERT_TRUE(instance.Listening()) << instance.Failure();
    EXPECT_TRUE(SingleInstance::SocketName(start.Path()).startsWith(runtime.path() + "/korvel-"));
    std::vector<fs::path> asked;
    instance.OnRequest = [&](const fs::path& league) { asked.push_back(league); };

    const auto socket = Connect();
    socket->write("/leagues/NORTH.tms\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return socket->canReadLine(); }, 5000));
    EXPECT_EQ(socket->readLine(), "forward\n");
    EXPECT_EQ(asked, std::vector<fs::path>{"/leagues/NORTH.tms"});
}

// A peer that sends more than a request can hold, without ending its line, is cut off and asks
// for nothing; the program still answers the next start.
TEST_F(SingleInstanceTest, DropsARequestLongerThanItsBound) {
    SingleInstance instance(start.Path());
    ASSERT_TRUE(instance.Listening()) << instance.Failure();
    int asked = 0;
    instance.OnRequest = [&](const fs::path&) { ++asked; };

    const auto flood = Connect();
    flood->write(QByteArray(SingleInstance::kMaxRequestBytes * 4, 'x'));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return flood->state() == QLocalSocket::UnconnectedState; }, 5000));
    EXPECT_EQ(asked, 0);

    const auto next = Connect();
    next->write("\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return next->canReadLine(); }, 5000));
    EXPECT_EQ(asked, 1);
}

// Without a private place for the socket (the runtime folder and the folder in the temporary
// folder both open to others) nothing listens, and the program can say why.
TEST_F(SingleInstanceTest, RefusesAFolderOthersMayEnterAndSaysWhy) {
    const QTemporaryDir open;
    QFile::setPermissions(open.path(), QFileDevice::Permissions(0x7777));
    const SocketPlace elsewhere(open.path(), open.path());
    const fs::path made = system::PrivateSocketFolder();
    if (made.empty()) GTEST_SKIP() << "this system keeps local sockets in no folder";
    const QString own = qt::PathToQString(made);
    QFile::setPermissions(own, QFileDevice::Permissions(0x7777));

    SingleInstance instance(start.Path());
    EXPECT_FALSE(instance.Listening());
    EXPECT_NE(instance.Failure().find(own.toStdString()), std::string::npos) << instance.Failure();
    EXPECT_NE(instance.Failure().find("may be entered by other users"), std::string::npos);
    EXPECT_TRUE(QDir(own).entryList(QDir::System | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_FALSE(SingleInstance::AskRunning(start.Path(), {}));
}

}  // namespace
}  // namespace korvel::test
