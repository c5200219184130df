// Runs one Windows command line exactly as written in a file and returns the
// started program's exit status. Wine builds a program's command line by
// quoting each of its Unix arguments, so a test cannot otherwise hand a
// program a raw command line such as one with unbalanced quotes or a
// backslash before a quote.
//
// usage: launch [--hold file] command-line-file
// The file's bytes, all of them, are the command line. Standard input, output
// and error are passed on. With --hold, `file` is kept open without sharing
// while the program runs, as a spreadsheet holds the file it shows. Exit
// status 125 means the launch itself failed.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include <string>

namespace {

const int kLaunchFailed = 125;

bool readFile(const char* path, std::string* text) {
  FILE* file = fopen(path, "rb");
  if (file == nullptr)
    return false;
  char buffer[4096];
  size_t count;
  while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
    text->append(buffer, count);
  bool ok = ferror(file) == 0;
  fclose(file);
  return ok;
}

HANDLE inheritable(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
    SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  return handle;
}

}  // namespace

int main(int argc, char** argv) {
  bool hold = argc == 4 && strcmp(argv[1], "--hold") == 0;
  if (argc != 2 && !hold) {
    fprintf(stderr, "usage: launch [--hold file] command-line-file\n");
    return kLaunchFailed;
  }
  const char* commandLineFile = argv[argc - 1];
  std::string commandLine;
  if (!readFile(commandLineFile, &commandLine)) {
    fprintf(stderr, "launch: can't read %s\n", commandLineFile);
    return kLaunchFailed;
  }
  HANDLE held = INVALID_HANDLE_VALUE;
  if (hold) {
    held = CreateFileA(argv[2], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE) {
      fprintf(stderr, "launch: can't hold %s: error %lu\n", argv[2],
              static_cast<unsigned long>(GetLastError()));
      return kLaunchFailed;
    }
  }

  STARTUPINFOA startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = inheritable(STD_INPUT_HANDLE);
  startup.hStdOutput = inheritable(STD_OUTPUT_HANDLE);
  startup.hStdError = inheritable(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process;
  // CreateProcessA may write into the command line, so it gets a copy.
  std::string writable = commandLine;
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process)) {
    fprintf(stderr, "launch: can't start %s: error %lu\n", commandLine.c_str(),
            static_cast<unsigned long>(GetLastError()));
    return kLaunchFailed;
  }
  fflush(stdout);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = kLaunchFailed;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (held != INVALID_HANDLE_VALUE)
    CloseHandle(held);
  return static_cast<int>(status);
}
