#include "bill/model/ModelFile.h"

#include <filesystem>

#include "base/FileIO.h"
#include "bill/model/IfcEntities.h"
#include "bill/model/IfcTakeoff.h"
#include "bill/model/StepFile.h"

namespace korvane {

namespace {

bool Finish(TStepFile &step, std::string_view name, TModelBill &bill, std::string &error) {
  if (!step.Finish(error))
    return false;
  TModelTakeoff takeoff;
  std::string why;
  if (!ReadIfcTakeoff(step, takeoff, why)) {
    // Made piece by piece in a string of its own: GCC's release build warns
    // of "'" + string here.
    std::string said(1, '\'');
    said += name;
    said += "' cannot be measured: ";
    said += why;
    error = std::move(said);
    return false;
  }
  bill = WriteModelBill(takeoff, name);
  return true;
}

} // namespace

bool ReadModelText(std::string_view bytes, std::string_view name, TModelBill &bill,
                   std::string &error) {
  TStepFile step(std::string(name), IfcEntityNames());
  step.Feed(bytes);
  return Finish(step, name, bill, error);
}

bool ReadModelFile(const std::string &path, TModelBill &bill, std::string &error) {
  const std::string name = std::filesystem::path(path).filename().string();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = "'" + path + "' is a folder, not a model";
    return false;
  }
  TStepFile step(name, IfcEntityNames());
  const auto feed = [&step](std::string_view block) {
    step.Feed(block);
    return true;
  };
  if (!ReadFileBlocks(path, feed, error)) {
    error = "cannot read model '" + path + "': " + error;
    return false;
  }
  return Finish(step, name, bill, error);
}

void FeedModelBill(TBillJob &job, const TModelBill &bill) {
  // A line in error names the elements it came from.
  job.Pricer().SetLineSource([&bill](int line) { return bill.Source(line); });
  const std::string_view text = bill.Text;
  TBillLineFeed feed(job, text);
  for (const TModelNote &note : bill.Notes) {
    if (!note.NotPriced)
      continue;
    // Up to and with the note's own line, so the reader has read every line
    // before it and the notes stay in line order.
    feed.Through(note.BillLine);
    job.Pricer().NotPricedNote(note.BillLine, note.Keyword, note.Text);
  }
  feed.Rest();
}

} // namespace korvane
