// korvane-price end to end: the staged program run from outside its folder,
// with the shipped data it finds beside itself.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/pricer/CliRun.h"

namespace korvane::test {
namespace {

const std::string kStraightRectReport = "Straight Rectangular\n"
                                        "600mm x 500mm  2.400m\n"
                                        "AutoGauge AutoFlange NoIns\n"
                                        "../Data Files/Default.cst    \n"
                                        "-------------------------------------------------\n"
                                        "Gauge 0.6 mm\n"
                                        "Flange S&Drive\n"
                                        "Area 5.28 m²\n"
                                        "Mass 25.5 kg\n"
                                        "-------------------------------------------------\n"
                                        "Rates 184.8 R/m  84.0 R/m²  17.4 R/kg\n"
                                        "Price 443.58\n"
                                        "\n"
                                        "443.58  [0.6mm  5.3m²  25.5kg]\n"
                                        "184.8 R/m  84.0 R/m²  17.4 R/kg\n"
                                        "StraightRect (Erection=Exclude, Brackets=Exclude, "
                                        "Insulation=None)\n"
                                        "\t-\t600  500  2.400\n";

TEST(PriceCli, StartValuesGiveTheDetailsPage) {
  const CliResult r = RunPricer({"StraightRect"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, kStraightRectReport);
  EXPECT_EQ(r.err, "");
  // By name, in any case, gives the same.
  EXPECT_EQ(RunPricer({"straight rectangular"}).out, kStraightRectReport);
}

TEST(PriceCli, ElbowWithA150Radius) {
  const CliResult r = RunPricer({"Elbow", "Diameter=500", "Radius=150"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_GT(lines.size(), 2u);
  EXPECT_EQ(lines[1], "500mm  r=150mm  90°");
  EXPECT_EQ(lines.back(), "\t-\t500  150  90  1");
}

TEST(PriceCli, OptionsCurrencyAndEnumerationItems) {
  const CliResult r = RunPricer({"SquareBend", "Vanes=yes", "Gauge=1", "--erection", "--brackets"},
                                "", {"KORVANE_CURRENCY=R"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto lines = Lines(r.out);
  EXPECT_EQ(lines[2], "vaned  Forced 1.0mm AutoFlange NoIns");
  EXPECT_EQ(lines[3], "../Data Files/Default.cst  Erection  Brackets");
  EXPECT_EQ(lines[5], "Gauge 1.0 mm");
  EXPECT_EQ(lines[11].rfind("Price R", 0), 0u) << lines[11];
  EXPECT_EQ(lines[lines.size() - 2],
            "VanedSquareBend (Erection=Include, Brackets=Include, Insulation=None, Gauge=1.0)");
}

TEST(PriceCli, JsonCarriesEveryMember) {
  const CliResult r = RunPricer({"StraightRect", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string &j = r.out;
  EXPECT_EQ(j.rfind("{\"type\":\"StraightRect\",\"values\":{\"Width\":600,\"Height\":500,"
                    "\"Length\":2.4,\"Gauge\":0,\"Flange\":0,\"Insulation\":0},\"price\":443.57",
                    0),
            0u)
      << j;
  for (const char *member :
       {"\"area\":5.28", "\"insulation_area\":0,", "\"weight\":25.49", "\"centre_length\":2.4,",
        "\"gauge\":0.6,", "\"flange\":\"S&Drive\"",
        "\"details\":[\"Straight Rectangular\",\"600mm x 500mm  2.400m\",", "\"Area 5.28 m²\"",
        "\"status\":\"443.58  [0.6mm  5.3m²  25.5kg]\"",
        "\"rates\":\"184.8 R/m  84.0 R/m²  17.4 R/kg\"", "\"summary\":\"600  500  2.400\"",
        "\"bill\":\"StraightRect (Erection=Exclude, Brackets=Exclude, "
        "Insulation=None)\\r\\n\\t-\\t600  500  2.400\\r\\n\"}\n"})
    EXPECT_NE(j.find(member), std::string::npos) << member << " in " << j;
  EXPECT_EQ(std::count(j.begin(), j.end(), '\n'), 1);

  const CliResult round = RunPricer({"Nipple", "--json"});
  EXPECT_NE(round.out.find("\"flange\":null"), std::string::npos);
}

TEST(PriceCli, BadDataIsAResultWithStatusOne) {
  const CliResult text = RunPricer({"Elbow", "Angle=0"});
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(text.out, "Elbow\n\nBad data...\n");
  const CliResult json = RunPricer({"Elbow", "Angle=0", "--json"});
  EXPECT_EQ(json.status, 1);
  EXPECT_NE(json.out.find("\"details\":[\"Elbow\"],\"status\":\"Bad data...\",\"rates\":null,"
                          "\"summary\":null,\"bill\":null}"),
            std::string::npos)
      << json.out;
}

TEST(PriceCli, ErrorsGoToStandardErrorWithStatusTwo) {
  struct Case {
    std::vector<std::string> args;
    const char *message;
  };
  const Case cases[] = {
      {{"Straight"}, "korvane-price: unknown item type 'Straight'\n"},
      {{"Taper", "Colour=red"}, "korvane-price: unknown property 'Colour' of Taper"},
      {{"Taper", "Length="}, "korvane-price: missing value for Length\n"},
      {{"StraightRect", "Width=5000"},
       "korvane-price: value '5000' for Width is out of range (100 to 2400 mm)\n"},
      {{"StraightRect", "--costs", "no-such.cst"},
       "korvane-price: cannot load cost file 'no-such.cst'"},
      {{"StraightRect", "--item-file", "no-such.kvd"}, "korvane-price: cannot read item file"},
      {{"--batch", "no-such.txt"}, "korvane-price: cannot read batch file 'no-such.txt'"},
      {{"Nipple", "--data-dir", "/no/such/folder"},
       "korvane-price: data folder '/no/such/folder' does not exist\n"},
      {{"Nipple", "--jobs", "0"}, "korvane-price: option --jobs needs a number"},
      {{}, "korvane-price: no item type given"},
      {{"StraightRect", "--colour"}, "korvane-price: unknown option '--colour'"},
      {{"StraightRect", "--json", "--csv"}, "korvane-price: --json and --csv"},
  };
  for (const Case &c : cases) {
    const CliResult r = RunPricer(c.args);
    EXPECT_EQ(r.status, 2) << c.message;
    EXPECT_EQ(r.out, "") << c.message;
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_EQ(RunPricer({"--help"}).status, 0);
}

TEST(PriceCli, FilesGivenOnTheCommandLine) {
  TempFolder dir;
  // A cost file of its own, named in the report as given.
  std::filesystem::copy_file(KORVANE_STAGE_DIR "/Data Files/Default.cst", dir.File("mine.cst"));
  const CliResult own = RunPricer({"StraightRect", "--costs", dir.File("mine.cst")});
  ASSERT_EQ(own.status, 0) << own.err;
  EXPECT_EQ(Lines(own.out)[3], dir.File("mine.cst") + "    ");

  PutFile(dir.File("bad.cst"), "not a cost file");
  const CliResult bad = RunPricer({"StraightRect", "--costs", dir.File("bad.cst")});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("bad.cst"), std::string::npos) << bad.err;

  // No Fittings.ini in the data folder: fittings cost nothing, as at start,
  // and the user is told where the file was looked for, on standard error
  // and in the JSON and CSV.
  const std::string said = "no Fittings.ini at '" + dir.Dir() + "Fittings.ini'";
  const CliResult free = RunPricer({"Nipple", "--data-dir", dir.Dir(), "--json"});
  ASSERT_EQ(free.status, 0) << free.err;
  EXPECT_NE(free.out.find("\"price\":0,"), std::string::npos) << free.out;
  EXPECT_NE(free.out.find("\"warnings\":[\"" + said), std::string::npos) << free.out;
  EXPECT_EQ(free.err.rfind("korvane-price: warning: " + said, 0), 0u) << free.err;
  const CliResult csv = RunPricer({"Nipple", "--data-dir", dir.Dir(), "--csv"});
  EXPECT_NE(csv.out.find("," + said), std::string::npos) << csv.out;

  PutFile(dir.File("items.kvd"), "[taper]\r\nlength=1.8\r\n");
  const CliResult items = RunPricer({"Taper", "--item-file", dir.File("items.kvd")});
  ASSERT_EQ(items.status, 0) << items.err;
  EXPECT_EQ(Lines(items.out)[1], "750mm x 500mm to 600mm x 500mm  1.800m");
}

TEST(PriceCli, BatchGoesOnAfterABadLine) {
  const std::string input = "StraightRect\n"
                            "Straight\n"
                            "\n"
                            "# a note\n"
                            "Elbow Angle=0\n"
                            "Nipple Diameter=9999\n"
                            "Elbow Radius=\"1.5 Dia\"\r\n"
                            "Spiral Gauge=1";
  const CliResult r = RunPricer({"--batch", "-"}, input);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "");
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 6u) << r.out;
  EXPECT_EQ(lines[0].rfind("{\"line\":1,\"type\":\"StraightRect\",", 0), 0u);
  EXPECT_EQ(lines[1], "{\"line\":2,\"error\":\"unknown item type 'Straight'\"}");
  EXPECT_NE(lines[2].find("\"line\":5,\"type\":\"Elbow\""), std::string::npos);
  EXPECT_NE(lines[2].find("\"status\":\"Bad data...\""), std::string::npos);
  EXPECT_EQ(lines[3], "{\"line\":6,\"error\":\"value '9999' for Diameter is out of range "
                      "(100 to 2400 mm)\"}");
  EXPECT_NE(lines[4].find("\"line\":7,\"type\":\"Elbow\",\"values\":{\"Diameter\":500,"
                          "\"Angle\":90,\"Radius\":1,"),
            std::string::npos)
      << lines[4];
  EXPECT_NE(lines[5].find("\"line\":8,\"type\":\"Spiral\""), std::string::npos) << lines[5];

  const CliResult good = RunPricer({"--batch", "-"}, "TPiece\nNipple\n");
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(Lines(good.out).size(), 2u);
}

// Splits one CSV row, honouring quotes.
std::vector<std::string> CsvFields(const std::string &row) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < row.size(); ++i) {
    const char c = row[i];
    if (c == '"' && quoted && i + 1 < row.size() && row[i + 1] == '"')
      fields.back() += row[++i];
    else if (c == '"')
      quoted = !quoted;
    else if (c == ',' && !quoted)
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

TEST(PriceCli, BatchAsCsv) {
  TempFolder dir;
  PutFile(dir.File("items.txt"), "StraightRect\nElbow Radius=150\nNope\n");
  const CliResult r =
      RunPricer({"--batch", dir.File("items.txt"), "--csv"}, "", {"KORVANE_CURRENCY=R"});
  EXPECT_EQ(r.status, 1);
  auto rows = Lines(r.out);
  ASSERT_EQ(rows.size(), 4u) << r.out;
  for (std::string &row : rows) {
    ASSERT_TRUE(row.ends_with("\r")) << row;
    row.pop_back();
  }
  EXPECT_EQ(rows[0], "line,type,Width,Height,Length,Gauge,Flange,Insulation,Angle,Vanes,Width1,"
                     "Width2,Diameter,Height1,Height2,Reinforcing,Plate,Radius,price,area,"
                     "insulation_area,weight,gauge_used,flange_used,status,warnings");
  const auto header = CsvFields(rows[0]);
  for (std::size_t i = 1; i < rows.size(); ++i)
    EXPECT_EQ(CsvFields(rows[i]).size(), header.size()) << rows[i];
  const auto straight = CsvFields(rows[1]);
  EXPECT_EQ(straight[1], "StraightRect");
  EXPECT_EQ(straight[2], "600");
  EXPECT_EQ(straight[4], "2.4");
  EXPECT_EQ(straight[8], ""); // no Angle
  EXPECT_EQ(straight[22], "0.6");
  EXPECT_EQ(straight[23], "S&Drive");
  EXPECT_EQ(straight[24], "R443.58  [0.6mm  5.3m²  25.5kg]");
  const auto elbow = CsvFields(rows[2]);
  EXPECT_EQ(elbow[6], "");   // no Flange row
  EXPECT_EQ(elbow[7], "0");  // the Elbow's "insulation" shares the Insulation column
  EXPECT_EQ(elbow[17], "3"); // Radius "150"
  EXPECT_EQ(elbow[23], "");
  const auto error = CsvFields(rows[3]);
  EXPECT_EQ(error[0], "3");
  EXPECT_EQ(error[24], "error: unknown item type 'Nope'");
  EXPECT_EQ(straight[25], "") << "the shipped price file was found";
}

} // namespace
} // namespace korvane::test

namespace korvane::test {
namespace {

TEST(PriceCli, BatchThreadsKeepTheInputOrder) {
  std::string input;
  for (int i = 0; i < 12000; ++i) {
    if (i % 97 == 0)
      input += "Bogus Width=1\n";
    else
      input += "StraightRect Width=" + std::to_string(100 + i % 2300) + "\nTPiece\n";
  }
  const CliResult one = RunPricer({"--batch", "-", "--csv", "--jobs", "1"}, input);
  const CliResult three = RunPricer({"--batch", "-", "--csv", "--jobs=3"}, input);
  EXPECT_EQ(one.status, 1);
  EXPECT_EQ(three.status, 1);
  EXPECT_EQ(Lines(one.out).size(), 1 + 12000 + (12000 - 124));
  EXPECT_EQ(one.out, three.out);
  const auto rows = Lines(three.out);
  EXPECT_EQ(rows.back().rfind("23876,TPiece,", 0), 0u) << rows.back();
}

TEST(PriceCli, AnOverlongBatchLineIsReportedAndSkipped) {
  const std::string input =
      "TPiece\nStraightRect Width=" + std::string(3u << 20, '9') + "\nNipple\n";
  const CliResult r = RunPricer({"--batch", "-"}, input);
  EXPECT_EQ(r.status, 1);
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "{\"line\":2,\"error\":\"line too long\"}");
  EXPECT_EQ(lines[2].rfind("{\"line\":3,\"type\":\"Nipple\"", 0), 0u);
}

} // namespace
} // namespace korvane::test
