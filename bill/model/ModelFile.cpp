#include "bill/model/ModelFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "bill/model/IfcEntities.h"
#include "bill/model/IfcTakeoff.h"
#include "bill/model/StepFile.h"

namespace korvane {

namespace {

constexpr std::size_t kChunk = 1u << 20;

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

struct TCloser {
  void operator()(std::FILE *f) const { std::fclose(f); }
};

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
  const std::unique_ptr<std::FILE, TCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    error = "cannot open model '" + path + "': " + std::strerror(errno);
    return false;
  }
  TStepFile step(name, IfcEntityNames());
  std::string chunk(kChunk, '\0');
  while (true) {
    const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), file.get());
    step.Feed(std::string_view(chunk).substr(0, n));
    if (n < chunk.size())
      break;
  }
  if (std::ferror(file.get())) {
    error = "cannot read model '" + path + "': " + std::strerror(errno);
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
