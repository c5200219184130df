// Console text that reads as written. The programs write text in the ANSI
// code page (the arguments, the server's and the user's names, fax IDs, error
// texts), but a Windows console shows bytes in its own output code page, the
// OEM one by default, where "é" (0xE9 in code page 1252) appears as "Ú" (code
// page 850). While a program runs with a console for its output, the console
// is switched to the ANSI code page, and switched back on every way out: the
// return from main, exit(), and Ctrl-C, Ctrl-Break or a closed window. The
// bytes the program writes stay the same, so a file or a pipe receives
// exactly what it did before; the console is shared with the shell that
// started the program, hence the restoring. POSIX terminals take the bytes as
// they are.
#ifndef INKSTAMP_RFAXPROGRAM_CONSOLE_CODE_PAGE_H_
#define INKSTAMP_RFAXPROGRAM_CONSOLE_CODE_PAGE_H_

#if defined(_WIN32)
// Switches the console of standard output or standard error, when either is
// one, to the ANSI code page until the process ends. Does nothing otherwise,
// or when the console already uses it. Called once, first thing in main.
void showAnsiTextOnConsole();
#else
inline void showAnsiTextOnConsole() {}
#endif

#endif  // INKSTAMP_RFAXPROGRAM_CONSOLE_CODE_PAGE_H_
