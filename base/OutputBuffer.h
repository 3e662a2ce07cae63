#pragma once
// Output collected in one big buffer and handed to the file descriptor in
// large writes: a batch prints millions of short lines.
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

class TOutputBuffer {
public:
  static constexpr std::size_t kFlushAt = 1u << 20;

  explicit TOutputBuffer(int fd) : fd_(fd) { text_.reserve(kFlushAt + (64u << 10)); }
  TOutputBuffer(const TOutputBuffer &) = delete;
  TOutputBuffer &operator=(const TOutputBuffer &) = delete;
  ~TOutputBuffer() { Flush(); }

  std::string &Text() { return text_; }
  // Writes once the buffer is full enough.
  void Commit() {
    if (text_.size() >= kFlushAt)
      Flush();
  }
  // Appends `bytes`; a large piece is written at once, after what is
  // pending, rather than copied.
  void Write(std::string_view bytes);
  // Writes everything; false once any write has failed.
  bool Flush();
  bool Ok() const { return ok_; }

private:
  int fd_;
  std::string text_;
  bool ok_ = true;
};

// Writes all of `bytes` to `fd`, going on after partial writes and signals.
bool WriteAll(int fd, const char *bytes, std::size_t size);

} // namespace korvane
