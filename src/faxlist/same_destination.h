// Whether two streams reach the same place: one terminal or console, or one
// file (as after 2>&1). faxlist writes each warning to standard output and to
// standard error, so that a script that keeps either one sees it; where both
// reach one place, once is enough.
#ifndef INKSTAMP_FAXLIST_SAME_DESTINATION_H_
#define INKSTAMP_FAXLIST_SAME_DESTINATION_H_

#include <stdio.h>

// True only when the system shows that `a` and `b` reach one place; false
// when it can't tell (two pipes, say), so that no stream goes without a line.
bool sameDestination(FILE* a, FILE* b);

#endif  // INKSTAMP_FAXLIST_SAME_DESTINATION_H_
