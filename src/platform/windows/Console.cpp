#include "platform/Console.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <io.h>

#include "platform/windows/WindowsCalls.h"

#include <shellapi.h>

namespace korvel {

namespace {

// The console's output code page before the program changed it; 0 while there is none to give
// back (no console, or given back already).
std::atomic<UINT> codePageBefore{0};

// Ctrl+C, Ctrl+Break and closing the console end the program without its exit handlers: the code
// page is given back here, and the system's own handler then ends the program as usual.
BOOL WINAPI RestoreOnStop(DWORD) {
    RestoreConsoleOutput();
    return FALSE;
}

}  // namespace

void UseUtf8Output() {
    // The console is the user's, shared with the shell that started us: a code page left at
    // UTF-8 would change how every later program in it shows its text.
    const UINT before = GetConsoleOutputCP();  // 0 without a console
    if (before != 0 && before != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
        codePageBefore = before;
        static const bool undoneAtEnd = [] {
            std::atexit(RestoreConsoleOutput);
            return SetConsoleCtrlHandler(RestoreOnStop, TRUE) != 0;
        }();
        (void)undoneAtEnd;
    }
    // Binary: "\n" stays one byte, as the programs write it on every system.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

void RestoreConsoleOutput() {
    if (const UINT before = codePageBefore.exchange(0); before != 0) SetConsoleOutputCP(before);
}

namespace {

std::string Utf8(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), length, nullptr, nullptr);
    utf8.pop_back();  // the terminating zero
    return utf8;
}

}  // namespace

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    // argv holds the arguments in the ANSI code page, which loses what it has no byte for.
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr || count != argc) {
        if (wide != nullptr) LocalFree(wide);
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(Utf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

std::optional<std::size_t> TerminalColumns() {
    CONSOLE_SCREEN_BUFFER_INFO information{};
    if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &information)) {
        return std::nullopt;
    }
    const int columns = information.srWindow.Right - information.srWindow.Left + 1;
    if (columns <= 0) return std::nullopt;
    return static_cast<std::size_t>(columns);
}

}  // namespace korvel
