// The version resources and manifests of the Windows files, read back the
// way Explorer and inventory tools read them: GetFileVersionInfo and
// VerQueryValue in version_info.exe, the manifest with FindResource.
#include <gtest/gtest.h>

#include "support/program_under_test.h"
#include "support/wine.h"
#include "support/wine_runs.h"

using namespace support;

namespace {

struct File {
  const char* name;
  bool program;
};

// version_info.exe's report on a file of the stage.
std::string versionInfo(const std::string& file) {
  const Wine& wine = Wine::get();
  ProcessResult result = runProcess(
      wine.command("version_info.exe", {Wine::windowsPath(wine.stagePath(file))}), wine.options());
  EXPECT_EQ(result.exitStatus, 0) << describe(result);
  return normalizeLineEnds(result.out);
}

// The value of a "name=value" line of the report.
std::string value(const std::string& report, const std::string& name) {
  const std::string lines = "\n" + report;
  size_t at = lines.find("\n" + name + "=");
  if (at == std::string::npos)
    return "(missing)";
  at += name.size() + 2;
  return lines.substr(at, lines.find('\n', at) - at);
}

}  // namespace

TEST(WindowsVersionResources, EachFileSaysWhatItIs) {
  REQUIRE_WINE();
  const std::string version = INKSTAMP_FILE_VERSION;
  for (const File& file :
       {File{"inkstamp.exe", true}, File{"faxsim.exe", true}, File{"RFWIN32.dll", false}}) {
    const std::string report = versionInfo(file.name);
    SCOPED_TRACE(report);
    const std::string name = file.name;
    EXPECT_EQ(value(report, "fixed.FileVersion"), version);
    EXPECT_EQ(value(report, "fixed.ProductVersion"), version);
    EXPECT_EQ(value(report, "FileVersion"), version);
    EXPECT_EQ(value(report, "ProductVersion"), version);
    EXPECT_EQ(value(report, "ProductName"), "InkStamp");
    EXPECT_EQ(value(report, "OriginalFilename"), name);
    EXPECT_EQ(value(report, "InternalName"), name.substr(0, name.find('.')));
    EXPECT_GT(value(report, "FileDescription").size(), 20u);

    const std::string manifest = report.substr(report.find("manifest="));
    if (file.program) {
      EXPECT_NE(manifest.find(R"(<requestedExecutionLevel level="asInvoker")"), std::string::npos);
      // Windows 10 and 11.
      EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
      // The programs work in the ANSI code page, whatever the system's is.
      EXPECT_EQ(manifest.find("<activeCodePage"), std::string::npos);
    } else {
      EXPECT_EQ(manifest, "manifest=none\n");
    }
  }
  // Nobody may take our DLL for the vendor's.
  const std::string dll = value(versionInfo("RFWIN32.dll"), "FileDescription");
  EXPECT_NE(dll.find("simulator for tests"), std::string::npos) << dll;
  EXPECT_NE(dll.find("not the vendor's"), std::string::npos) << dll;
}
