// XLSX take-offs as spreadsheet programs write them (shared strings, inline
// strings, numbers kept as text, formulas with their values, empty and
// merged cells, several sheets), and XLSX files that are not to be trusted.
#include <gtest/gtest.h>
#include <xlsxwriter.h>
#include <zip.h>

#include <string>
#include <utility>
#include <vector>

#include "bill/takeoff/TakeoffFile.h"
#include "tests/support/TempFolder.h"

namespace korvane {
namespace {

using test::TempFolder;

struct TRead {
  bool ok = false;
  std::string error;
  std::string body; // the bill without the line naming the take-off
};

TRead Read(const std::string &path, std::string_view sheet = {}) {
  TTakeoffBill bill("t.xlsx");
  TRead r;
  r.ok = ReadTakeoffFile(path, sheet, bill, r.error);
  r.body = bill.Text().substr(bill.Text().find('\n') + 1);
  return r;
}

// A zip of the parts given, written with libzip.
void PutZip(const std::string &path,
            const std::vector<std::pair<std::string, std::string>> &parts) {
  int code = 0;
  zip_t *z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  ASSERT_NE(z, nullptr);
  for (const auto &[name, bytes] : parts) {
    zip_source_t *s = zip_source_buffer(z, bytes.data(), bytes.size(), 0);
    ASSERT_GE(zip_file_add(z, name.c_str(), s, ZIP_FL_OVERWRITE), 0);
  }
  ASSERT_EQ(zip_close(z), 0); // reads the buffers: they must live until here
}

const std::string kWorkbook =
    R"(<workbook xmlns:r="x"><sheets><sheet name="S" sheetId="1" r:id="rId1"/></sheets></workbook>)";
const std::string kRels = R"(<Relationships><Relationship Id="rId1" Type="x/worksheet" )"
                          R"(Target="worksheets/sheet1.xml"/></Relationships>)";

TEST(TakeoffXlsx, ReadsWhatSpreadsheetProgramsWrite) {
  TempFolder dir;
  const std::string path = dir.File("t.xlsx");
  {
    lxw_workbook *book = workbook_new(path.c_str());
    lxw_worksheet *cover = workbook_add_worksheet(book, "Cover");
    worksheet_write_string(cover, 0, 0, "Harbour Road", nullptr);
    lxw_worksheet *s = workbook_add_worksheet(book, "Take-off");
    worksheet_merge_range(s, 0, 0, 0, 4, "Harbour Road, level 2", nullptr);
    const char *header[] = {"Section", "Item", "Width (mm)", "Height", "Length (m)", "Qty"};
    for (lxw_col_t c = 0; c < 6; ++c)
      worksheet_write_string(s, 2, c, header[c], nullptr);
    worksheet_write_string(s, 3, 0, "Risers", nullptr);
    worksheet_merge_range(s, 3, 1, 4, 1, "StraightRect", nullptr); // down two rows
    worksheet_write_number(s, 3, 2, 800, nullptr);
    worksheet_write_string(s, 3, 3, "500", nullptr); // a number kept as text
    worksheet_write_formula_num(s, 3, 4, "=1.2*2", nullptr, 2.4);
    worksheet_write_number(s, 4, 2, 600, nullptr); // the Section left empty
    worksheet_write_number(s, 4, 3, 400, nullptr);
    worksheet_write_number(s, 4, 4, 1, nullptr);
    worksheet_write_number(s, 4, 5, 3, nullptr);
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
  }
  const std::string expected = "# Risers\nStraightRect\n\t-\t800  500  2.4\n"
                               "StraightRect (NumberOff=3)\n\t-\t600  400  1\n";
  const TRead named = Read(path, "take-off");
  ASSERT_TRUE(named.ok) << named.error;
  EXPECT_EQ(named.body, expected);
  EXPECT_NE(Read(path).error.find("no header row"), std::string::npos) << "the first sheet";
  EXPECT_EQ(Read(path, "Ducts").error,
            "take-off '" + path + "': it has no sheet 'Ducts'; its sheets: Cover, Take-off");

  // Written row by row, libxlsxwriter keeps its strings inline.
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  lxw_workbook *book = workbook_new_opt(path.c_str(), &options);
  lxw_worksheet *s = workbook_add_worksheet(book, nullptr);
  worksheet_write_string(s, 0, 1, "Type", nullptr);
  worksheet_write_string(s, 0, 3, "Diameter", nullptr);
  worksheet_write_string(s, 1, 1, "Round Stop End", nullptr);
  worksheet_write_string(s, 1, 3, "315", nullptr);
  ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
  const TRead inlined = Read(path);
  ASSERT_TRUE(inlined.ok) << inlined.error;
  EXPECT_EQ(inlined.body, "RoundStopEnd\n\t-\t315  1\n");
}

TEST(TakeoffXlsx, UntrustedFilesEndInAClearError) {
  TempFolder dir;
  const std::string path = dir.File("bad.xlsx");
  const auto readSheet = [&](const std::string &sheet) {
    PutZip(path, {{"xl/workbook.xml", kWorkbook},
                  {"xl/_rels/workbook.xml.rels", kRels},
                  {"xl/worksheets/sheet1.xml", sheet}});
    return Read(path).error;
  };
  const std::string prefix = "take-off '" + path + "': ";
  // Unpacks to more than its cap however well it packs.
  EXPECT_EQ(readSheet(std::string((64u << 20) + 1, ' ')),
            prefix + "part xl/worksheets/sheet1.xml unpacks to more than 64 MiB");
  EXPECT_EQ(readSheet("<worksheet><sheetData><row>"),
            prefix + "sheet 'S': no element found at line 1");
  EXPECT_EQ(readSheet(R"(<worksheet><sheetData><row r="1"><c r="XFE1"><v>1</v></c></row>)"
                      R"(</sheetData></worksheet>)"),
            prefix + "sheet 'S': cell reference 'XFE1' in row 1 does not read (past column XFD?)");
  EXPECT_EQ(readSheet(R"(<worksheet><sheetData><row r="10000000"/></sheetData></worksheet>)"),
            prefix + "sheet 'S': more than 1048576 rows");
  EXPECT_EQ(readSheet(R"(<!DOCTYPE x [<!ENTITY a "aa">]><worksheet/>)"),
            prefix + "sheet 'S': a document type declaration is not read (line 1)");
  EXPECT_EQ(readSheet(R"(<worksheet><sheetData><row><c t="s"><v>7</v></c></row></sheetData>)"
                      R"(</worksheet>)"),
            prefix + "sheet 'S': cell A1 names shared string '7' of 0");
  test::PutFile(path, "PK\x03\x04 not really a zip");
  EXPECT_EQ(Read(path).error.rfind(prefix + "not an XLSX (zip) file: ", 0), 0u);
}

} // namespace
} // namespace korvane
