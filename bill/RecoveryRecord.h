#pragma once
// What the bill window keeps on disk while a bill has unsaved changes, so a
// crash, a kill or a lost session costs no typing: the bill's text with a
// small header that says which file it belongs to and when it last changed.
//
//   Korvane bill recovery 1
//   Path: /home/ann/jobs/level2.dct      (empty for a new bill)
//   Changed: 1767225600                  (seconds since 1970, UTC)
//   Length: 1234                         (bytes of text after the blank line)
//
//   <the text, byte for byte>
//
// A later version may add header lines (a reader of this version skips the
// ones it does not know) or change the layout, which it says by a higher
// number on the first line. A file cut short or damaged still gives back
// what it holds, so the user can take the text from it.
#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

inline constexpr int kRecoveryVersion = 1;
inline constexpr std::string_view kRecoveryMagic = "Korvane bill recovery ";
// The extension of a recovery file, and of the lock of the run that owns it.
inline constexpr std::string_view kRecoveryExtension = ".kvr";
inline constexpr std::string_view kRecoveryLockExtension = ".lock";

struct TRecoveryRecord {
  std::string BillPath;       // the bill's file; empty for a bill never saved
  std::int64_t ChangedAt = 0; // the last change, seconds since 1970 UTC
  std::string Text;           // the bill's text as the window holds it
};

enum class TRecoveryState {
  Good,    // the record, whole
  Damaged, // no header or a body cut short: Text holds what the file has
  Newer,   // written by a later version: left for it to read
};

struct TRecoveryRead {
  TRecoveryState State = TRecoveryState::Damaged;
  int Version = 0;
  TRecoveryRecord Record;
};

// The file's bytes for a record.
std::string RecoveryFileBytes(const TRecoveryRecord &record);

// Reads any bytes. A file without the header gives Damaged with all its
// bytes as the text; a header whose body is shorter or longer than it says
// gives Damaged with the header's path and time and the body as it is.
TRecoveryRead ReadRecoveryBytes(std::string_view bytes);

// Names in the recovery folder: "<run>-<slot>.kvr" for the window `slot` of
// the run `run`, "<run>.lock" for the run's lock.
std::string RecoveryFileName(std::string_view run, int slot);
std::string RecoveryLockName(std::string_view run);
// The run a recovery file belongs to; empty when `fileName` is not the name
// of a recovery file.
std::string RecoveryRunOf(std::string_view fileName);

} // namespace korvane
