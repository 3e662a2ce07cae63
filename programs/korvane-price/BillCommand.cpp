#include "programs/korvane-price/BillCommand.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "base/FileIO.h"
#include "base/OutputBuffer.h"
#include "bill/job/BillJob.h"
#include "bill/job/CompanyProfile.h"

namespace korvane {

namespace {

// Feeds the bill to `bill` a block at a time; false with `error` when it
// cannot be read, or once the job has stopped.
bool ReadBill(int fd, TBillJob &bill, TOutputBuffer &out, std::string &error) {
  bool going = bill.Pricer().FatalError().empty();
  const auto feed = [&](std::string_view block) {
    bill.Feed(block);
    out.Commit();
    return going = bill.Pricer().FatalError().empty();
  };
  return going && ReadBlocks(fd, feed, error) && going;
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
  const int status = PriceJob(
      setup, args, stdinBill ? "standard input" : billPath.filename().string(), billDir,
      [fd, &path](TBillJob &bill, TOutputBuffer &out, std::string &readError) {
        if (ReadBill(fd, bill, out, readError))
          return true;
        readError = "cannot read bill '" + path + "': " + readError;
        return false;
      },
      error);
  if (!stdinBill)
    ::close(fd);
  return status;
}

int PriceJob(const TPricerSetup &setup, const TPriceArgs &args, const std::string &billName,
             const std::string &billDir, const TFeedJob &feed, std::string &error) {
  TCompanyProfile company;
  if (args.Company && !ReadCompanyProfile(*args.Company, company, error))
    return 2;
  // The printed format streams to standard output as the bill is priced;
  // each file is written whole, atomically, once the job is done.
  TOutputBuffer out(STDOUT_FILENO);
  const TJobFormat &print = args.Print ? *args.Print : *FindJobFormat("text");
  const TJobOutputOptions options;
  std::vector<std::unique_ptr<TJobWriter>> made;
  made.push_back(print.Make(out.Text(), options));
  std::vector<std::string> files(args.Files.size());
  for (std::size_t i = 0; i < args.Files.size(); ++i)
    made.push_back(args.Files[i].Format->Make(files[i], options));
  std::vector<TJobWriter *> writers;
  for (const std::unique_ptr<TJobWriter> &writer : made)
    writers.push_back(writer.get());
  TBillJob bill(setup, billName, billDir, writers);
  bill.Pricer().SetCompany(std::move(company));
  const TJobPricer &job = bill.Pricer();

  std::string readError;
  if (!feed(bill, out, readError)) {
    error = job.FatalError().empty() ? readError : job.FatalError();
    return 2;
  }
  const bool finished = bill.Finish();
  if (!finished) {
    error = job.FatalError();
    return 2;
  }
  for (std::size_t i = 0; i < args.Files.size(); ++i) {
    std::string why;
    if (!AtomicWriteFile(args.Files[i].Path, files[i], &why)) {
      error = "cannot write " + std::string(args.Files[i].Format->Document) + " '" +
              args.Files[i].Path + "': " + why;
      return 2;
    }
  }
  if (!out.Flush()) {
    error = std::string("cannot write the output: ") + std::strerror(errno);
    return 2;
  }
  std::string notes;
  for (const std::string &w : job.Pricer().Warnings())
    notes += "korvane-price: warning: " + w + "\n";
  for (const std::unique_ptr<TJobWriter> &writer : made)
    if (!writer->Warning().empty())
      notes += "korvane-price: warning: " + std::string(writer->Warning()) + "\n";
  if (args.Prints("csv")) {
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

TFeedJob MadeBillFeed(std::function<void(TBillJob &)> give) {
  return [give = std::move(give)](TBillJob &job, TOutputBuffer &out, std::string &) {
    give(job);
    out.Commit();
    return job.Pricer().FatalError().empty();
  };
}

} // namespace korvane
