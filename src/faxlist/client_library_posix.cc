// The shared library that defines the client functions, found from one of
// them with dladdr(). Only our simulator exports its pause (Sleep) beside
// them, which tells it from any other build of the library.
#include <dlfcn.h>
#include <stdlib.h>

#include "faxclient/faxclient.h"
#include "faxlist/client_library.h"

ClientLibrary findClientLibrary() {
  ClientLibrary library;
  Dl_info function;
  if (dladdr(reinterpret_cast<void*>(&RFaxGetAPIVersion), &function) == 0 ||
      function.dli_fname == nullptr)
    return library;
  // As loaded, the path may run through the program's run path
  // ($ORIGIN/../faxsim): shown resolved.
  char* resolved = realpath(function.dli_fname, nullptr);
  library.path = resolved != nullptr ? resolved : function.dli_fname;
  free(resolved);
  void* handle = dlopen(function.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
  if (handle != nullptr) {
    Dl_info pause;
    void* sleep = dlsym(handle, "Sleep");
    library.simulator =
        sleep != nullptr && dladdr(sleep, &pause) != 0 && pause.dli_fbase == function.dli_fbase;
    dlclose(handle);
  }
  return library;
}
