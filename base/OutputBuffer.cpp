#include "base/OutputBuffer.h"

#include <unistd.h>

#include <cerrno>

namespace korvane {

bool WriteAll(int fd, const char *bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, bytes, size);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

void TOutputBuffer::Write(std::string_view bytes) {
  if (text_.size() + bytes.size() < kFlushAt) {
    text_ += bytes;
    return;
  }
  Flush();
  if (ok_)
    ok_ = WriteAll(fd_, bytes.data(), bytes.size());
}

bool TOutputBuffer::Flush() {
  if (ok_ && !text_.empty())
    ok_ = WriteAll(fd_, text_.data(), text_.size());
  text_.clear();
  return ok_;
}

} // namespace korvane
