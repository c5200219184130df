// The faxsim program: the administration tool of the simulated fax server.
#include <stdio.h>

#include "faxsimtool/faxsim_tool.h"

int main(int argc, char** argv) {
  return faxsimtool::runFaxsim(argc, argv, stdout, stderr);
}
