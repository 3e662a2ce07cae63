// The format table: names and extensions each once, files found by their
// extension, korvane-price's options read from it and korvane-bill's help
// naming every one.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/ProgramUsage.h"
#include "bill/job/JobFormats.h"
#include "programs/korvane-price/PriceArgs.h"

namespace korvane {
namespace {

TEST(JobFormats, EachNameAndExtensionOnceAndFilesFoundByExtension) {
  std::set<std::string_view> names, extensions;
  for (const TJobFormat &format : JobFormats()) {
    EXPECT_TRUE(names.insert(format.Name).second) << format.Name;
    EXPECT_TRUE(extensions.insert(format.Extension).second) << format.Extension;
    EXPECT_EQ(FindJobFormat(format.Name), &format);
  }
  EXPECT_EQ(JobFormatForFile("/home/a.b/Quote.HTML"), FindJobFormat("html"));
  EXPECT_EQ(JobFormatForFile("job.csv"), FindJobFormat("csv"));
  EXPECT_EQ(JobFormatForFile("Job.Sheet.html"), FindJobFormat("estimate"));
  EXPECT_EQ(JobFormatForFile("/home/a.html/quote"), nullptr);
  EXPECT_EQ(JobFormatForFile(".json"), nullptr);
  EXPECT_EQ(JobFormatForFile("job.dct"), nullptr);
}

bool Parse(std::vector<std::string_view> words, TPriceArgs &args, std::string &error) {
  return ParsePriceArgs(words, args, error);
}

TEST(JobFormats, PricerOptionsComeFromTheTable) {
  TPriceArgs args;
  std::string error;
  ASSERT_TRUE(Parse({"--bill", "b.dct", "--html=q.html", "--json"}, args, error)) << error;
  EXPECT_TRUE(args.Prints("json"));
  ASSERT_EQ(args.Files.size(), 1u);
  EXPECT_EQ(args.Files[0].Format, FindJobFormat("html"));
  EXPECT_EQ(args.Files[0].Path, "q.html");

  // Two printed formats, in either order, are named in the table's order.
  for (auto words : {std::vector<std::string_view>{"--csv", "--json", "--bill", "b"},
                     std::vector<std::string_view>{"--json", "--bill", "b", "--csv"}}) {
    TPriceArgs both;
    EXPECT_FALSE(Parse(words, both, error));
    EXPECT_EQ(error, "--json and --csv cannot be used together");
  }
  TPriceArgs item;
  EXPECT_FALSE(Parse({"Spiral", "--html", "q.html"}, item, error));
  EXPECT_EQ(error, "--html writes the quote of a --bill");
  TPriceArgs bare;
  EXPECT_FALSE(Parse({"--bill", "b", "--html"}, bare, error));
  EXPECT_EQ(error, "option --html needs a value");
  // The PDF is drawn by the bill window alone.
  TPriceArgs pdf;
  EXPECT_FALSE(Parse({"--bill", "b", "--pdf", "q.pdf"}, pdf, error));

  const std::string_view usage = PriceUsage();
  for (const TJobFormat &format : JobFormats())
    EXPECT_EQ(usage.find("--" + std::string(format.Name)) != std::string_view::npos,
              format.Make != nullptr)
        << format.Name;
}

// korvane-bill --export picks the format by the file's extension; its help
// is written out by hand, so a format added to the table must be added there.
TEST(JobFormats, TheBillWindowsExportHelpNamesEveryExtension) {
  const std::string_view usage = KorvaneBillUsage();
  for (const TJobFormat &format : JobFormats())
    EXPECT_NE(usage.find(" ." + std::string(format.Extension)), std::string_view::npos)
        << format.Extension;
}

} // namespace
} // namespace korvane
