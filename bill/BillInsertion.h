#pragma once
// The cost editor's Insert button puts the current cost file name into the
// bill a host window is editing. The host hands its bill over as lines and
// takes the result back the same way; the text goes through a scratch file
// ("Bill.$$$") because the bill lexer works on files.
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr const char *kBillScratchName = "Bill.$$$";

// A window that owns a bill source page.
class TBillHost {
public:
  virtual ~TBillHost() = default;
  virtual std::vector<std::string> BillLines() const = 0;
  virtual void SetBillLines(std::vector<std::string> lines) = 0;
  virtual void SetBillModified(bool modified) = 0;
  // The host's own item type names, which the lexer treats as item keywords.
  virtual std::vector<std::string> UserTypes() const { return {}; }
  // Names `costFileName` in the bill's Costs line and marks the bill
  // modified; 0, or an error number with the bill untouched. By default the
  // lexer rewrites the bill in `scratchPath` (InsertCostsIntoBill); a host
  // that keeps its own bytes may change the one line itself.
  virtual int InsertCostsLine(const std::string &scratchPath, std::string_view costFileName);
};

// Each line followed by CR LF, as a line-based editor saves its text.
std::string BillFileBytes(const std::vector<std::string> &lines);

// The lines of a file as a line-based editor loads them: CR LF, a lone LF and
// a lone CR each end a line; a last line without a line end still counts.
std::vector<std::string> SplitBillLines(std::string_view bytes);

// Writes the host's bill to `scratchPath`, inserts or replaces its
// "Costs = " line with `costFileName`, loads the result back into the host
// and marks it modified. The scratch file stays on disk. Returns 0, or the
// error number of the step that failed; the host is untouched then.
int InsertCostsIntoBill(TBillHost &host, const std::string &scratchPath,
                        std::string_view costFileName);

} // namespace korvane
