#include "bill/BillCommand.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "bill/BillReader.h"
#include "bill/JobCsvWriter.h"
#include "bill/JobHtmlWriter.h"
#include "bill/JobJsonWriter.h"
#include "bill/JobPricer.h"
#include "bill/JobTextWriter.h"
#include "tools/OutputBuffer.h"

namespace korvane {

namespace {

std::unique_ptr<TJobWriter> OutputWriter(const TPriceArgs &args, std::string &out) {
  if (args.Json)
    return std::make_unique<TJobJsonWriter>(out);
  if (args.Csv)
    return std::make_unique<TJobCsvWriter>(out);
  return std::make_unique<TJobTextWriter>(out);
}

// Feeds the bill to `reader` a block at a time; false with `error` when it
// cannot be read, or once the job has stopped.
bool ReadBill(int fd, TBillReader &reader, const TJobPricer &job, TOutputBuffer &out,
              std::string &error) {
  std::array<char, 64u << 10> block;
  while (job.FatalError().empty()) {
    const ssize_t n = ::read(fd, block.data(), block.size());
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      error = std::strerror(errno);
      return false;
    }
    if (n == 0)
      return true;
    reader.Feed(std::string_view(block.data(), static_cast<std::size_t>(n)));
    out.Commit();
  }
  return false;
}

} // namespace

int PriceBill(const TPricerSetup &setup, const TPriceArgs &args, std::string &error) {
  const std::string &path = *args.Bill;
  const bool stdinBill = path == "-";
  int fd = STDIN_FILENO;
  if (!stdinBill) {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      error = "cannot read bill '" + path + "': " + std::strerror(errno);
      return 2;
    }
  }
  const std::filesystem::path billPath(stdinBill ? std::string() : path);
  std::string billDir = billPath.parent_path().string();
  if (!billDir.empty())
    billDir += '/';

  TOutputBuffer out(STDOUT_FILENO);
  const std::unique_ptr<TJobWriter> writer = OutputWriter(args, out.Text());
  std::vector<TJobWriter *> writers{writer.get()};
  std::unique_ptr<TJobHtmlWriter> html;
  if (args.Html) {
    html = std::make_unique<TJobHtmlWriter>(*args.Html);
    writers.push_back(html.get());
  }
  TJobPricer job(setup, stdinBill ? "standard input" : billPath.filename().string(), billDir,
                 writers);
  TBillOptions defaults;
  defaults.Erection = setup.Erection;
  defaults.Brackets = setup.Brackets;
  TBillReader reader(job, defaults);

  std::string readError;
  const bool read = ReadBill(fd, reader, job, out, readError);
  if (!stdinBill)
    ::close(fd);
  if (!read) {
    error = job.FatalError().empty() ? "cannot read bill '" + path + "': " + readError
                                     : job.FatalError();
    return 2;
  }
  reader.Finish();
  const bool finished = job.Finish();
  if (!finished) {
    error = job.FatalError();
    return 2;
  }
  if (!out.Flush()) {
    error = std::string("cannot write the output: ") + std::strerror(errno);
    return 2;
  }
  std::string notes;
  for (const std::string &w : job.Pricer().Warnings())
    notes += "korvane-price: warning: " + w + "\n";
  if (args.Csv) {
    // The CSV has rows for priced lines only; the others are told here.
    for (const TBillNote &n : job.Totals().NotPriced)
      notes += "korvane-price: line " + std::to_string(n.Line) + ": not priced: " + n.Keyword +
               ": " + n.Reason + "\n";
    for (const TBillNote &n : job.Totals().Errors)
      notes += "korvane-price: line " + std::to_string(n.Line) + ": " + n.Reason + "\n";
  }
  WriteAll(STDERR_FILENO, notes.data(), notes.size());
  return job.Totals().AllPriced() ? 0 : 1;
}

} // namespace korvane
