// Servers, users and fax handles of a store as faxsim finds them before it
// adds rows (faxsim/store_rows.h).
//
// Servers and users are found the way the simulator finds them: hosts and
// user IDs compare without regard to ASCII case (the columns' NOCASE
// collation), and what is found is spelled as the store spells it, so that
// rows faxsim adds name their server and owner exactly as the rows they
// belong to.
#ifndef INKSTAMP_FAXSIMTOOL_STORE_LOOKUP_H_
#define INKSTAMP_FAXSIMTOOL_STORE_LOOKUP_H_

#include <stdint.h>

#include <string>
#include <string_view>

#include "faxsimtool/command.h"
#include "sqlite/sqlite_db.h"

namespace faxsimtool {

// 1 when found (with the stored spelling), 0 when not, -1 on a store error.
int findServer(sqlite::Database& db, std::string_view host, std::string* storedHost);
int findUser(sqlite::Database& db, std::string_view storedHost, std::string_view userId,
             std::string* storedUserId);

// Each returns kExitOk with the stored spelling, or reports the problem and
// returns the exit status.
int requireServer(const Context& ctx, sqlite::Database& db, std::string_view host,
                  std::string* storedHost);
int requireUser(const Context& ctx, sqlite::Database& db, std::string_view host,
                std::string_view userId, std::string* storedHost, std::string* storedUserId);

// The largest fax handle in the store, 0 when it has none (or, in a store
// made by another program, only handles below 1); -1 on a store error.
int64_t maxFaxHandle(sqlite::Database& db);

}  // namespace faxsimtool

#endif  // INKSTAMP_FAXSIMTOOL_STORE_LOOKUP_H_
