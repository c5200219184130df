// The test world's data, and the faxsim commands that build it.
#include "support/world.h"

namespace support {
namespace {

const int64_t kNov01 = 1225497600;  // 2008-11-01 00:00:00 UTC
const int64_t kDay = 86400;

const WorldUser kUsers[] = {
    {"ALICE", "ACME", "Alice Smith"},
    {"BOB", "", ""},
    {"CAROL", "SALES", "Carol Clark"},
};

const WorldFax kFaxes[] = {
    {101, "ALICE", "APP0001A", "main", true, kNov01 + 4 * kDay, 3, 0, true},
    {102, "ALICE", "B0000102", "main", false, kNov01, 2, 0, false},
    {103, "ALICE", "APP0003C", "Archive", true, kNov01 + 2 * kDay, 4, 0, false},
    {104, "ALICE", "B0000104", "main", true, kNov01 + 3 * kDay, 1, 37, false},
    {2882400001u, "ALICE", "APP0005E", "main", false, kNov01 + kDay, 5, 0, false},
    {201, "BOB", "APP0009Z", "main", true, kNov01, 1, 0, false},
};

std::vector<std::string> addFaxCommand(const WorldFax& fax) {
  std::vector<std::string> command = {"add-fax",
                                      kWorldServer.host,
                                      fax.owner,
                                      fax.faxId,
                                      "--handle",
                                      std::to_string(fax.handle),
                                      "--folder",
                                      fax.folder,
                                      fax.received ? "--received" : "--sent",
                                      "--date",
                                      std::to_string(fax.date),
                                      "--pages",
                                      std::to_string(fax.pages),
                                      "--error-code",
                                      std::to_string(fax.errorCode)};
  if (fax.viewed)
    command.push_back("--viewed");
  return command;
}

}  // namespace

const WorldServer kWorldServer = {"faxsrv", "Main office", 0x620, 2, 300, 0, -60};
const WorldUser& kAlice = kUsers[0];
const WorldUser& kBob = kUsers[1];
const WorldUser& kCarol = kUsers[2];

std::vector<std::vector<std::string>> worldRecipe(int64_t apiVersion, bool withFaxes) {
  const WorldServer& server = kWorldServer;
  std::vector<std::vector<std::string>> recipe = {
      {"create"},
      {"set-setting", "api_version", std::to_string(apiVersion)},
      {"add-server", server.host, "--description", server.description, "--release",
       std::to_string(server.release), "--tz-state", std::to_string(server.timeZoneState), "--bias",
       std::to_string(server.bias), "--standard-bias", std::to_string(server.standardBias),
       "--daylight-bias", std::to_string(server.daylightBias)},
  };
  for (const WorldUser& user : kUsers) {
    std::vector<std::string> command = {"add-user", server.host, user.userId};
    if (*user.qualifier != '\0')
      command.insert(command.end(), {"--qualifier", user.qualifier});
    if (*user.name != '\0')
      command.insert(command.end(), {"--name", user.name});
    recipe.push_back(command);
  }
  if (withFaxes) {
    for (const WorldFax& fax : kFaxes)
      recipe.push_back(addFaxCommand(fax));
  }
  return recipe;
}

}  // namespace support
