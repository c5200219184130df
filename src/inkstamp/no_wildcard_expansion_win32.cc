// Keeps the MinGW-w64 start-up code from expanding '*' and '?' in the command
// line against file names. Fax-ID patterns are matched against the server's
// fax IDs, so they must reach the program exactly as typed. The runtime asks
// msvcrt to expand wildcards when _dowildcard is non-zero; its own default
// depends on how the runtime was configured, so the program says it here.
extern "C" {
int _dowildcard = 0;
}
