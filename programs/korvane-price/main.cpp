// korvane-price: prices duct items from the command line with exactly the
// solve and report of the desktop calculator. See PriceUsage for the syntax.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/Pricer.h"
#include "base/OutputBuffer.h"
#include "pricer/PriceBatch.h"
#include "pricer/PriceWriters.h"
#include "programs/korvane-price/BillCommand.h"
#include "programs/korvane-price/ModelCommand.h"
#include "programs/korvane-price/PriceArgs.h"
#include "programs/korvane-price/TakeoffCommand.h"

namespace {

using namespace korvane;

int Fail(const std::string &message) {
  const std::string line = "korvane-price: " + message + "\n";
  WriteAll(STDERR_FILENO, line.data(), line.size());
  return 2;
}

void Warn(const TPricer &pricer) {
  std::string text;
  for (const std::string &w : pricer.Warnings())
    text += "korvane-price: warning: " + w + "\n";
  WriteAll(STDERR_FILENO, text.data(), text.size());
}

// The folder this program file lies in, with its trailing '/'.
std::string ProgramDir(const char *argv0) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec)
    exe = std::filesystem::absolute(argv0, ec);
  std::string dir = exe.parent_path().string();
  if (dir.empty() || dir.back() != '/')
    dir += '/';
  return dir;
}

TCurrencyFormat CurrencyFromEnvironment() {
  TCurrencyFormat currency;
  if (const char *symbol = std::getenv("KORVANE_CURRENCY"))
    currency.symbol = symbol;
  return currency;
}

int PriceOne(TPricer &pricer, const TPriceArgs &args) {
  TItemLine item;
  std::string error;
  if (ParseItemWords(args.Item, item, error) != TItemParse::Item)
    return Fail(error.empty() ? "no item type given" : error);
  if (!pricer.Price(item, error, args.Prints("csv") ? TReportTexts::StatusOnly : TReportTexts::All))
    return Fail(error);
  std::string out;
  if (args.Prints("json")) {
    AppendJsonReport(out, pricer);
  } else if (args.Prints("csv")) {
    AppendCsvHeader(out);
    AppendCsvRow(out, pricer, 1);
  } else {
    AppendTextReport(out, pricer);
  }
  if (!WriteAll(STDOUT_FILENO, out.data(), out.size()))
    return Fail(std::string("cannot write the output: ") + std::strerror(errno));
  return pricer.Report().Failed ? 1 : 0;
}

int PriceBatch(const TPricerSetup &setup, const TPriceArgs &args) {
  unsigned jobs = args.Jobs;
  if (jobs == 0)
    jobs = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  // One pricer per thread: each has its own rows, engine and report.
  std::vector<std::unique_ptr<TPricer>> pricers;
  std::vector<TPricer *> workers;
  std::string error;
  for (unsigned j = 0; j < jobs; ++j) {
    pricers.push_back(std::make_unique<TPricer>());
    if (!pricers.back()->Open(setup, error))
      return Fail(error);
    if (j == 0)
      Warn(*pricers.back());
    workers.push_back(pricers.back().get());
  }
  int fd = STDIN_FILENO;
  if (*args.Batch != "-") {
    fd = ::open(args.Batch->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
      return Fail("cannot read batch file '" + *args.Batch + "': " + std::strerror(errno));
  }
  TOutputBuffer out(STDOUT_FILENO);
  const int status = RunBatch(workers, fd, out,
                              args.Prints("csv") ? TBatchFormat::Csv : TBatchFormat::Json, error);
  if (fd != STDIN_FILENO)
    ::close(fd);
  if (status == 2)
    return Fail(error);
  return status;
}

} // namespace

int main(int argc, char **argv) {
  const std::vector<std::string_view> words(argv + 1, argv + argc);
  TPriceArgs args;
  std::string error;
  if (!ParsePriceArgs(words, args, error))
    return Fail(error + " (see korvane-price --help)");
  if (args.Help) {
    const std::string_view usage = PriceUsage();
    return WriteAll(STDOUT_FILENO, usage.data(), usage.size()) ? 0 : 2;
  }

  TPricerSetup setup;
  setup.ProgramDir = ProgramDir(argv[0]);
  setup.CostFile = args.Costs;
  setup.DataDir = args.DataDir;
  setup.ItemFile = args.ItemFile;
  setup.Erection = args.Erection;
  setup.Brackets = args.Brackets;
  setup.Currency = CurrencyFromEnvironment();
  if (args.Batch)
    return PriceBatch(setup, args);
  if (args.Job()) {
    const int status = args.Takeoff ? PriceTakeoff(setup, args, error)
                       : args.Ifc   ? PriceModel(setup, args, error)
                                    : PriceBill(setup, args, error);
    return status == 2 ? Fail(error) : status;
  }
  TPricer pricer;
  if (!pricer.Open(setup, error))
    return Fail(error);
  Warn(pricer);
  return PriceOne(pricer, args);
}
