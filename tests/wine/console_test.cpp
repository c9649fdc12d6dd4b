// roster-extract.exe on a console of Wine's, as started from a Command
// Prompt window: its messages reach the screen whatever the code page, and
// Ctrl+C during -o leaves nothing behind.
#include <gtest/gtest.h>

#include <windows.h>

#include "roster_window.h"

namespace roster {
namespace {

// Ctrl+C reaches every process on the console; this one goes on.
BOOL WINAPI GoOn(DWORD) { return TRUE; }

class ConsoleTest : public testing::Test {
 protected:
  // A console of the test's own, new for each test; the test's output
  // keeps its handles.
  void SetUp() override {
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE), out = GetStdHandle(STD_OUTPUT_HANDLE),
                 err = GetStdHandle(STD_ERROR_HANDLE);
    FreeConsole();
    ASSERT_TRUE(AllocConsole()) << GetLastError();
    SetStdHandle(STD_INPUT_HANDLE, in);
    SetStdHandle(STD_OUTPUT_HANDLE, out);
    SetStdHandle(STD_ERROR_HANDLE, err);
    SetConsoleCtrlHandler(GoOn, TRUE);
    folder_ = MakeWorkFolder();
  }
  void TearDown() override {
    SetConsoleCtrlHandler(GoOn, FALSE);
    FreeConsole();
  }

  // Starts roster-extract.exe in the folder, writing to the console.
  PROCESS_INFORMATION Start(const std::wstring& arguments) const {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                 OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = console;
    std::wstring commandLine = L"\"" + WindowsPath(ROSTER_EXTRACT_EXE) + L"\" " + arguments;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder_.c_str(), &startup,
                        &process)) {
      ADD_FAILURE() << "roster-extract.exe did not start: " << GetLastError();
    }
    CloseHandle(console);
    return process;
  }

  // Waits for the end; the exit code.
  static DWORD Finish(PROCESS_INFORMATION& process) {
    DWORD code = 999;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
  }

  // What the console shows, row by row down to the cursor, without the
  // blanks that end the rows.
  static std::wstring Screen() {
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    CONSOLE_SCREEN_BUFFER_INFO info = {};
    GetConsoleScreenBufferInfo(console, &info);
    std::wstring shown;
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
      std::wstring row(info.dwSize.X, L' ');
      DWORD read = 0;
      ReadConsoleOutputCharacterW(console, row.data(), info.dwSize.X, COORD{0, y}, &read);
      row.resize(read);
      row.erase(row.find_last_not_of(L' ') + 1);
      shown += row + L"\n";
    }
    CloseHandle(console);
    return shown;
  }

  int Temporaries() const {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder_ + L"\\.roster-*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do ++count;
    while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
  }

  std::wstring folder_;
};

struct MessageCase {
  std::wstring arguments, shown;
};

// A message reads right on the console: the unknown option whole, never a
// blank screen, and Japanese under either code page.
TEST_F(ConsoleTest, MessagesReachTheScreen) {
  const std::vector<MessageCase> cases = {
      {L"-\u00e9", L"roster-extract: unknown option '-\u00e9' (see --help)\n"},
      {L"--catalogue \u7121\u3044.txt", L"roster-extract: cannot read catalogue \u7121\u3044.txt: "},
  };
  for (const MessageCase& c : cases) {
    PROCESS_INFORMATION process = Start(c.arguments);
    EXPECT_EQ(Finish(process), 2u) << c.arguments;
    const std::wstring shown = Screen();
    EXPECT_NE(shown.find(c.shown), std::wstring::npos) << c.arguments << " shows:\n" << shown;
  }
}

// Ctrl+C while -o writes its temporary file removes it, and the file stays
// as it was. (Wine sends no Ctrl+Break: its console has only Ctrl+C.)
TEST_F(ConsoleTest, CtrlCDuringOutputLeavesNothingBehind) {
  std::string big;
  for (int i = 0; i < 600000; ++i) {
    big += 'A';
    big += std::to_string(i);
    big += "|xx|1|10/5|1/2/3/4| 1 p\r\n";
  }
  WriteBinaryFile(folder_ + L"\\big.txt", big);
  const std::string before = "C|x||1/1|1| 1 c\r\n";
  int ended = 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    WriteBinaryFile(folder_ + L"\\c.txt", before);
    PROCESS_INFORMATION process = Start(L"-o c.txt big.txt");
    // Sent as soon as the temporary file stands.
    WaitFor([&] { return Temporaries() > 0 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; },
            std::chrono::seconds(60));
    EXPECT_TRUE(GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) << GetLastError();
    const DWORD code = Finish(process);
    const std::string after = ReadBinaryFile(folder_ + L"\\c.txt");
    if (after == before) {
      ++ended;
    } else {  // the run was over before the event came
      EXPECT_EQ(code, 0u);
      EXPECT_EQ(after.substr(0, 4), Cp932("名前"));
    }
    EXPECT_EQ(Temporaries(), 0) << "a temporary file is left";
  }
  EXPECT_GT(ended, 0) << "no Ctrl+C came while the report was written";
}

}  // namespace
}  // namespace roster
