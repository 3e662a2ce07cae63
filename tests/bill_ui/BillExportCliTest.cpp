// korvane-bill --export: a script's way to a quote, with no display, with
// the exit status a script can act on.
#include <gtest/gtest.h>

#include "tests/pricer/CliRun.h"

namespace korvane::test {
namespace {

const std::string kExample = KORVANE_STAGE_DIR "/Data Files/level2-office.dct";

CliResult Export(const std::vector<std::string> &args, const TempFolder &home) {
  return RunProgram(kBillProgram, args, "",
                    {"-DISPLAY", "-WAYLAND_DISPLAY", "-QT_QPA_PLATFORM",
                     "XDG_CONFIG_HOME=" + home.File("config"), "HOME=" + home.File("")});
}

TEST(BillExportCli, WritesWhatTheNameSaysWithNoDisplay) {
  TempFolder dir;
  PutFile(dir.File("Company.ini"), "[Company]\nName=Okafor Sheet Metal Ltd\nVatPercent=15\n");
  CliResult r = Export({"--export", dir.File("quote.pdf"), kExample}, dir);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(GetFile(dir.File("quote.pdf")).substr(0, 5), "%PDF-");

  r = Export({"--company", dir.File("Company.ini"), "--export", dir.File("quote.html"), kExample},
             dir);
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string page = GetFile(dir.File("quote.html"));
  EXPECT_NE(page.find("Okafor Sheet Metal Ltd"), std::string::npos);
  EXPECT_NE(page.find("42,454.29"), std::string::npos);

  // Lines left out: written, said, and status 1.
  PutFile(dir.File("short.dct"), "Nipple\n 500 1\nShoe\n 600 500 1\n");
  r = Export({"--export", dir.File("short.json"), dir.File("short.dct")}, dir);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("line 4: not priced: Shoe"), std::string::npos) << r.err;
  EXPECT_FALSE(GetFile(dir.File("short.json")).empty());
}

TEST(BillExportCli, NothingWrittenIsStatusTwoAndSaysWhy) {
  TempFolder dir;
  PutFile(dir.File("Company.ini"), "[Company]\nVatPercent=high\n");
  const struct {
    std::vector<std::string> args;
    const char *said;
  } cases[] = {
      {{"--export", dir.File("quote.doc"), kExample}, "end it in .txt"},
      {{"--export", dir.File("quote.html"), dir.File("missing.dct")}, "cannot read bill"},
      {{"--company", dir.File("Company.ini"), "--export", dir.File("quote.html"), kExample},
       "Company.ini': VatPercent 'high'"},
      {{"--export", dir.File("quote.html")}, "name exactly one"},
      {{"--export", dir.File("no/such/folder/quote.html"), kExample}, "cannot write the quote"},
  };
  for (const auto &c : cases) {
    const CliResult r = Export(c.args, dir);
    EXPECT_EQ(r.status, 2) << c.said;
    EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
  }
  EXPECT_TRUE(GetFile(dir.File("quote.html")).empty());
}

} // namespace
} // namespace korvane::test
