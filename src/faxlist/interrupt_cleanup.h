// Removing a temporary file when the user or the system interrupts the
// program (Ctrl-C, SIGTERM, SIGHUP on POSIX; Ctrl-C, Ctrl-Break and the
// console's closing on Windows), which otherwise ends it at once and leaves
// the file behind. The program then ends as the interruption would have
// ended it.
#ifndef INKSTAMP_FAXLIST_INTERRUPT_CLEANUP_H_
#define INKSTAMP_FAXLIST_INTERRUPT_CLEANUP_H_

// From now on an interruption removes `path` (copied) first. One path at a
// time; false when it can't be kept (a path too long to copy), in which case
// nothing is removed.
bool removeOnInterrupt(const char* path);

// An interruption from now on removes nothing.
void keepOnInterrupt();

#endif  // INKSTAMP_FAXLIST_INTERRUPT_CLEANUP_H_
