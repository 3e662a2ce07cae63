#include "bill/BillInsertion.h"

#include <cerrno>

#include "base/FileIO.h"
#include "bill/BillLexer.h"

namespace korvane {

std::string BillFileBytes(const std::vector<std::string> &lines) {
  std::string bytes;
  for (const std::string &line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

std::vector<std::string> SplitBillLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.emplace_back(bytes.substr(start, i - start));
    i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < bytes.size())
    lines.emplace_back(bytes.substr(start));
  return lines;
}

int TBillHost::InsertCostsLine(const std::string &scratchPath, std::string_view costFileName) {
  return InsertCostsIntoBill(*this, scratchPath, costFileName);
}

int InsertCostsIntoBill(TBillHost &host, const std::string &scratchPath,
                        std::string_view costFileName) {
  if (!AtomicWriteFile(scratchPath, BillFileBytes(host.BillLines())))
    return EIO;
  TBillLexer lexer;
  lexer.UserTypes = host.UserTypes();
  if (const int rc = lexer.Open(scratchPath); rc != 0)
    return rc;
  if (const int rc = lexer.InsertCostsLine(costFileName); rc != 0)
    return rc;
  std::string bytes;
  if (!ReadFileBytes(scratchPath, bytes, nullptr, TBillLexer::kMaxBillBytes))
    return EIO;
  host.SetBillLines(SplitBillLines(bytes));
  host.SetBillModified(true);
  return 0;
}

} // namespace korvane
