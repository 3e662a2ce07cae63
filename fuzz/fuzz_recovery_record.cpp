// The bill window's recovery files. Whatever the bytes, the reader ends; a
// file without its header gives every byte back as the text; a good one
// says again what it read when written anew. And a record written from any
// path and text comes back whole.
#include "bill/RecoveryRecord.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bytes = AsText(data, size);
  const TRecoveryRead read = ReadRecoveryBytes(bytes);
  FUZZ_CHECK(read.Record.Text.size() <= bytes.size());
  if (read.Version == 0)
    FUZZ_CHECK(read.State == TRecoveryState::Damaged && read.Record.Text == bytes);
  if (read.State == TRecoveryState::Good) {
    FUZZ_CHECK(bytes.ends_with(read.Record.Text));
    const TRecoveryRead again = ReadRecoveryBytes(RecoveryFileBytes(read.Record));
    FUZZ_CHECK(again.State == TRecoveryState::Good && again.Record.Text == read.Record.Text &&
               again.Record.BillPath == read.Record.BillPath &&
               again.Record.ChangedAt == read.Record.ChangedAt);
  }

  TPieces pieces(bytes);
  const TRecoveryRecord record{std::string(pieces.Next()), static_cast<std::int64_t>(size),
                               std::string(pieces.Next())};
  const TRecoveryRead back = ReadRecoveryBytes(RecoveryFileBytes(record));
  FUZZ_CHECK(back.State == TRecoveryState::Good && back.Record.BillPath == record.BillPath &&
             back.Record.Text == record.Text && back.Record.ChangedAt == record.ChangedAt);
  return 0;
}
