// Asks the MinGW-w64 start-up code to expand '*' and '?' against file names,
// the behaviour that inkstamp.exe turns off.
extern "C" {
int _dowildcard = -1;
}
