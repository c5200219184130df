// The parts of faxsim's help that differ between platforms: where the store
// is by default, and how its variables are written, which variables the library reads there, and
// where the manual is (a manual page on POSIX, an HTML file beside faxsim.exe on Windows).
#ifndef INKSTAMP_FAXSIMTOOL_PLATFORM_HELP_H_
#define INKSTAMP_FAXSIMTOOL_PLATFORM_HELP_H_

namespace faxsimtool {

// The help of --store, which names the default store as the platform's
// shell writes it.
extern const char kStoreOptionHelp[];

// The "Environment:" section, ending in a line end.
extern const char kEnvironmentHelp[];

// The closing line of the overview, without its line end.
extern const char kMoreHelp[];

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_PLATFORM_HELP_H_
