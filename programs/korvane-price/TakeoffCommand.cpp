#include "programs/korvane-price/TakeoffCommand.h"

#include <unistd.h>

#include <filesystem>

#include "base/FileIO.h"
#include "bill/takeoff/TakeoffFile.h"
#include "bill/takeoff/TakeoffJob.h"
#include "programs/korvane-price/BillCommand.h"

namespace korvane {

int PriceTakeoff(const TPricerSetup &setup, const TPriceArgs &args, std::string &error) {
  const std::filesystem::path path(*args.Takeoff);
  const std::string name = path.filename().string();
  TTakeoffBill bill(name);
  if (!ReadTakeoffFile(*args.Takeoff, args.Sheet.value_or(""), bill, error))
    return 2;
  std::string why;
  if (args.BillOut && !AtomicWriteFile(*args.BillOut, bill.Text(), &why)) {
    error = "cannot write bill '" + *args.BillOut + "': " + why;
    return 2;
  }
  // Rows not priced are the job's errors; what else the take-off says is
  // told here.
  std::string notes;
  for (const TTakeoffNote &note : bill.Notes())
    if (!note.Bad)
      notes += "korvane-price: take-off '" + name + "': " + note.Said() + "\n";
  WriteAll(STDERR_FILENO, notes.data(), notes.size());
  std::string dir = path.parent_path().string();
  if (!dir.empty())
    dir += '/';
  return PriceJob(setup, args, name, dir,
                  MadeBillFeed([&bill](TBillJob &job) { FeedTakeoffBill(job, bill); }), error);
}

} // namespace korvane
