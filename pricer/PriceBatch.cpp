#include "pricer/PriceBatch.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "pricer/PriceWriters.h"

namespace korvane {

namespace {

// Input is cut into chunks of whole lines of about this size; each is priced
// as one piece of work, by whichever pricer is free.
constexpr std::size_t kChunkSize = 256u << 10;
// A line longer than this is no item; it is reported and skipped.
constexpr std::size_t kMaxLine = 1u << 20;

struct TChunk {
  std::string input;
  std::size_t firstLine = 1;
  std::string output;
  bool allPriced = true;
  bool done = false;
};

// memchr finds line ends many bytes at a time.
std::size_t CountLines(std::string_view text) {
  std::size_t count = 0;
  for (const char *p = text.data(), *end = p + text.size();
       (p = static_cast<const char *>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))));
       ++p)
    ++count;
  return count;
}

void AppendError(std::string &out, std::size_t lineNo, TBatchFormat format,
                 std::string_view error) {
  if (format == TBatchFormat::Csv)
    AppendCsvError(out, lineNo, error);
  else
    AppendJsonError(out, lineNo, error);
}

void PriceChunk(TPricer &pricer, TBatchFormat format, TChunk &chunk) {
  const std::string_view data = chunk.input;
  std::size_t lineNo = chunk.firstLine;
  std::size_t start = 0;
  while (start < data.size()) {
    std::size_t end = data.find('\n', start);
    if (end == std::string_view::npos)
      end = data.size(); // the last line of the input has no line end
    chunk.allPriced &=
        PriceBatchLine(pricer, data.substr(start, end - start), lineNo++, format, chunk.output);
    start = end + 1;
  }
}

// Reads the input into chunks of whole lines.
class TChunkReader {
public:
  explicit TChunkReader(int fd) : fd_(fd) {}

  // The next chunk, or null at the end of the input. False on a read error.
  bool Next(std::unique_ptr<TChunk> &chunk, TBatchFormat format, std::string &error) {
    chunk.reset();
    while (true) {
      const std::size_t cut = pending_.rfind('\n');
      if (cut != std::string::npos && (pending_.size() >= kChunkSize || atEnd_)) {
        chunk = Take(cut + 1);
        return true;
      }
      if (atEnd_) {
        if (!pending_.empty())
          chunk = Take(pending_.size());
        return true;
      }
      if (cut == std::string::npos && pending_.size() >= kMaxLine) {
        chunk = Overlong(format);
        return true;
      }
      if (!Fill(error))
        return false;
    }
  }

  // A chunk whose texts keep their storage for the next one: megabytes of
  // output per chunk would otherwise be fresh memory every time.
  void Recycle(std::unique_ptr<TChunk> chunk) {
    chunk->input.clear();
    chunk->output.clear();
    chunk->allPriced = true;
    chunk->done = false;
    spare_.push_back(std::move(chunk));
  }

private:
  bool Fill(std::string &error) {
    const std::size_t old = pending_.size();
    pending_.resize(old + kChunkSize);
    ssize_t n;
    do
      n = ::read(fd_, pending_.data() + old, kChunkSize);
    while (n < 0 && errno == EINTR);
    if (n < 0) {
      error = std::string("cannot read the batch input: ") + std::strerror(errno);
      pending_.resize(old);
      return false;
    }
    pending_.resize(old + static_cast<std::size_t>(n));
    if (n == 0)
      atEnd_ = true;
    if (skipping_) {
      // The rest of an overlong line, up to its line end, goes unread.
      const std::size_t end = pending_.find('\n');
      if (end == std::string::npos) {
        pending_.clear();
      } else {
        pending_.erase(0, end + 1);
        skipping_ = false;
      }
    }
    return true;
  }

  std::unique_ptr<TChunk> NewChunk() {
    if (spare_.empty())
      return std::make_unique<TChunk>();
    std::unique_ptr<TChunk> chunk = std::move(spare_.back());
    spare_.pop_back();
    return chunk;
  }

  std::unique_ptr<TChunk> Take(std::size_t size) {
    auto chunk = NewChunk();
    chunk->input.assign(pending_, 0, size);
    pending_.erase(0, size);
    chunk->firstLine = nextLine_;
    nextLine_ += CountLines(chunk->input);
    if (!chunk->input.empty() && chunk->input.back() != '\n')
      ++nextLine_;
    return chunk;
  }

  std::unique_ptr<TChunk> Overlong(TBatchFormat format) {
    auto chunk = NewChunk();
    AppendError(chunk->output, nextLine_++, format, "line too long");
    chunk->allPriced = false;
    chunk->done = true;
    pending_.clear();
    skipping_ = true;
    return chunk;
  }

  int fd_;
  std::vector<std::unique_ptr<TChunk>> spare_;
  std::string pending_;
  std::size_t nextLine_ = 1;
  bool atEnd_ = false;
  bool skipping_ = false;
};

// Prices chunks on one thread per pricer; the caller collects them in order.
class TWorkers {
public:
  TWorkers(std::span<TPricer *const> pricers, TBatchFormat format) : format_(format) {
    for (TPricer *pricer : pricers)
      threads_.emplace_back([this, pricer] { Work(*pricer); });
  }
  ~TWorkers() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    for (std::thread &thread : threads_)
      thread.join();
  }

  void Submit(TChunk &chunk) {
    {
      std::lock_guard lock(mutex_);
      queue_.push_back(&chunk);
    }
    wake_.notify_one();
  }
  void Wait(const TChunk &chunk) {
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [&chunk] { return chunk.done; });
  }

private:
  void Work(TPricer &pricer) {
    while (true) {
      TChunk *chunk = nullptr;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (queue_.empty())
          return;
        chunk = queue_.front();
        queue_.pop_front();
      }
      PriceChunk(pricer, format_, *chunk);
      {
        std::lock_guard lock(mutex_);
        chunk->done = true;
      }
      finished_.notify_all();
    }
  }

  TBatchFormat format_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable finished_;
  std::deque<TChunk *> queue_;
  bool stop_ = false;
  std::vector<std::thread> threads_;
};

} // namespace

bool PriceBatchLine(TPricer &pricer, std::string_view line, std::size_t lineNo, TBatchFormat format,
                    std::string &out) {
  TItemLine item;
  std::string error;
  const TItemParse parsed = ParseItemLine(line, item, error);
  if (parsed == TItemParse::Blank)
    return true;
  // A CSV row shows the figures and the status text only.
  const TReportTexts texts =
      format == TBatchFormat::Csv ? TReportTexts::StatusOnly : TReportTexts::All;
  if (parsed == TItemParse::Item && pricer.Price(item, error, texts)) {
    if (format == TBatchFormat::Csv)
      AppendCsvRow(out, pricer, lineNo);
    else
      AppendJsonReport(out, pricer, lineNo);
    return !pricer.Report().Failed;
  }
  AppendError(out, lineNo, format, error);
  return false;
}

int RunBatch(std::span<TPricer *const> pricers, int inFd, TOutputBuffer &out, TBatchFormat format,
             std::string &error) {
  if (format == TBatchFormat::Csv)
    AppendCsvHeader(out.Text());
  TChunkReader reader(inFd);
  bool allPriced = true;
  bool readFailed = false;
  const auto collect = [&](std::unique_ptr<TChunk> chunk) {
    out.Write(chunk->output);
    allPriced &= chunk->allPriced;
    reader.Recycle(std::move(chunk));
  };

  if (pricers.size() <= 1) {
    std::unique_ptr<TChunk> chunk;
    while (!(readFailed = !reader.Next(chunk, format, error)) && chunk) {
      if (!chunk->done)
        PriceChunk(*pricers[0], format, *chunk);
      collect(std::move(chunk));
    }
  } else {
    TWorkers workers(pricers, format);
    // Enough chunks in flight to keep every pricer busy while the oldest is
    // written; the output keeps the input's order.
    const std::size_t depth = 2 * pricers.size();
    std::deque<std::unique_ptr<TChunk>> inFlight;
    bool more = true;
    while (more || !inFlight.empty()) {
      while (more && inFlight.size() < depth) {
        std::unique_ptr<TChunk> chunk;
        if (!reader.Next(chunk, format, error)) {
          readFailed = true;
          more = false;
        } else if (!chunk) {
          more = false;
        } else {
          if (!chunk->done)
            workers.Submit(*chunk);
          inFlight.push_back(std::move(chunk));
        }
      }
      if (inFlight.empty())
        break;
      workers.Wait(*inFlight.front());
      collect(std::move(inFlight.front()));
      inFlight.pop_front();
    }
  }

  if (!out.Flush()) {
    error = std::string("cannot write the output: ") + std::strerror(errno);
    return 2;
  }
  if (readFailed)
    return 2;
  return allPriced ? 0 : 1;
}

} // namespace korvane
