// The program entry of faxlist: the banner, the one program object and its
// run.
#ifndef INKSTAMP_FAXLIST_LIST_ENTRY_H_
#define INKSTAMP_FAXLIST_LIST_ENTRY_H_

// Prints the banner, creates the program object, runs it on the command line
// and returns the exit status. Called once per process: the program object
// lives until the process ends.
int runFaxList(int argc, char** argv);

#endif  // INKSTAMP_FAXLIST_LIST_ENTRY_H_
