// The one world that every layer of tests sees: fax server "faxsrv", its
// users and their faxes. The fake library serves its server and ALICE, the
// simulator's tests load it into throw-away stores, and the end-to-end,
// hardening and Wine tests run the programs against a store that the faxsim
// tool builds from it. (`faxsim demo` tells a friendlier story of its own,
// for people trying the tool; no test relies on it.)
//
// Server "faxsrv" ("Main office", release 9.40 as 0x620, US Eastern time:
// time-zone state 2, bias 300, daylight bias -60) has these users:
//
//   user   qualifier  name
//   ALICE  ACME       Alice Smith
//   BOB    -          -
//   CAROL  SALES      Carol Clark     (owns no fax)
//
// and these faxes, listed in handle order:
//
//   handle      owner  fax ID    folder   direction  date        pages  error  viewed
//   101         ALICE  APP0001A  main     received   2008-11-05      3      0  yes
//   102         ALICE  B0000102  main     sent       2008-11-01      2      0  -
//   103         ALICE  APP0003C  Archive  received   2008-11-03      4      0  -
//   104         ALICE  B0000104  main     received   2008-11-04      1     37  -
//   2882400001  ALICE  APP0005E  main     sent       2008-11-02      5      0  -
//   201         BOB    APP0009Z  main     received   2008-11-01      1      0  -
//
// (2882400001 is 0xABCDEF01, a handle with the top bit set.) No fax carries
// a mark. ALICE's runs must never see BOB's fax.
#ifndef INKSTAMP_TESTS_SUPPORT_WORLD_H_
#define INKSTAMP_TESTS_SUPPORT_WORLD_H_

#include <stdint.h>

#include <string>
#include <vector>

namespace support {

struct WorldServer {
  const char* host;
  const char* description;
  int32_t release;
  int16_t timeZoneState;
  int32_t bias;
  int32_t standardBias;
  int32_t daylightBias;
};

struct WorldUser {
  const char* userId;
  const char* qualifier;
  const char* name;
};

struct WorldFax {
  uint32_t handle;
  const char* owner;
  const char* faxId;
  const char* folder;
  bool received;
  int64_t date;  // seconds since the Unix epoch, UTC
  int16_t pages;
  uint16_t errorCode;
  bool viewed;
};

extern const WorldServer kWorldServer;
extern const WorldUser& kAlice;
extern const WorldUser& kBob;
extern const WorldUser& kCarol;

// The faxsim commands that make the world in a new store (the first one
// makes the store), reporting `apiVersion` as the library's version; without
// the faxes for a test that brings its own.
std::vector<std::vector<std::string>> worldRecipe(int64_t apiVersion, bool withFaxes = true);

}  // namespace support

#endif  // INKSTAMP_TESTS_SUPPORT_WORLD_H_
