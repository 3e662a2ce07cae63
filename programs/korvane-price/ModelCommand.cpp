#include "programs/korvane-price/ModelCommand.h"

#include <unistd.h>

#include <filesystem>

#include "base/FileIO.h"
#include "bill/model/ModelFile.h"
#include "programs/korvane-price/BillCommand.h"

namespace korvane {

int PriceModel(const TPricerSetup &setup, const TPriceArgs &args, std::string &error) {
  const std::filesystem::path path(*args.Ifc);
  const std::string name = path.filename().string();
  TModelBill bill;
  if (!ReadModelFile(*args.Ifc, bill, error))
    return 2;
  std::string why;
  if (args.BillOut && !AtomicWriteFile(*args.BillOut, bill.Text, &why)) {
    error = "cannot write bill '" + *args.BillOut + "': " + why;
    return 2;
  }
  // The elements not priced are the job's; what else the model says is
  // told here. Whoever takes the bill made (--bill-out) is told them too: in
  // the bill they are comments, which its own pricing passes by. The CSV
  // output tells them anyway.
  const bool tellAll = args.BillOut && !args.Prints("csv");
  std::string notes;
  for (const TModelNote &note : bill.Notes)
    if (!note.NotPriced || tellAll)
      notes += "korvane-price: model '" + name + "': " + (note.NotPriced ? "not priced: " : "") +
               note.Keyword + (note.Keyword.empty() ? "" : " ") + note.Text + "\n";
  WriteAll(STDERR_FILENO, notes.data(), notes.size());
  return PriceJob(setup, args, name, {},
                  MadeBillFeed([&bill](TBillJob &job) { FeedModelBill(job, bill); }), error);
}

} // namespace korvane
