// The console a Windows program shares with the shell that started it. Run in a console (a
// terminal under Wine); without one there is no code page to keep, and the tests say so.
#include <gtest/gtest.h>

#include <string>

#include "platform/Console.h"
#include "platform/windows/WindowsCalls.h"

namespace korvel {
namespace {

constexpr UINT kUsersCodePage = 850;

// The console's code page set to the user's for the test, and to what it was after it.
class UsersConsole : public ::testing::Test {
  protected:
    void SetUp() override {
        before_ = GetConsoleOutputCP();
        if (before_ == 0) GTEST_SKIP() << "no console: run the test binary in a terminal";
        ASSERT_TRUE(SetConsoleOutputCP(kUsersCodePage));
    }
    void TearDown() override {
        if (before_ != 0) SetConsoleOutputCP(before_);
    }

  private:
    UINT before_ = 0;
};

std::wstring CommandLineProgramBesideTests() {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    const std::wstring folder = self.substr(0, self.find_last_of(L"\\/"));
    return folder.substr(0, folder.find_last_of(L"\\/")) + L"\\korvel-cli.exe";
}

TEST_F(UsersConsole, Utf8OutputIsUndoneToTheUsersCodePage) {
    UseUtf8Output();
    EXPECT_EQ(GetConsoleOutputCP(), static_cast<UINT>(CP_UTF8));
    RestoreConsoleOutput();
    EXPECT_EQ(GetConsoleOutputCP(), kUsersCodePage);
    RestoreConsoleOutput();  // once given back, nothing more to do
    EXPECT_EQ(GetConsoleOutputCP(), kUsersCodePage);
}

TEST_F(UsersConsole, TheCommandLineLeavesTheConsoleAsItFoundIt) {
    const std::wstring program = CommandLineProgramBesideTests();
    std::wstring line = L"\"" + program + L"\" --version";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
        << "korvel-cli.exe beside the tests' folder: error " << GetLastError();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(GetConsoleOutputCP(), kUsersCodePage);
}

}  // namespace
}  // namespace korvel
