// Cost files: any bytes load into exactly the file's record or exactly the
// defaults, never a mixture, with the message the load promises; whatever
// loaded saves and loads back byte for byte.
#include <cstring>

#include "costs/CostFile.h"
#include "fuzz/FuzzSupport.h"

using namespace korvane;
using namespace korvane::fuzz;

namespace {

bool Signed(std::string_view bytes, std::string_view signature) {
  return bytes.size() >= 28 && static_cast<unsigned char>(bytes[0]) == 27 &&
         bytes.substr(1, 27) == signature;
}

// A live record unlike the defaults in every byte, so any byte the load
// failed to replace shows.
TCostRec MarkedRecord() {
  TCostRec rec;
  std::memset(&rec, 0xA5, sizeof rec);
  return rec;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bytes = AsText(data, size);
  const std::string path = ScratchFile("Fuzz.cst");
  PutFile(path, bytes);

  const TCostRec before = MarkedRecord();
  TCostRec current = before;
  TRecordingSink sink;
  const bool loaded = LoadCostFile(path, current, sink);
  const std::string got = CostRecBytes(current);

  if (Signed(bytes, kCostSignature330) && bytes.size() >= kCostRecSize) {
    FUZZ_CHECK(loaded && sink.messages.empty());
    FUZZ_CHECK(got == bytes.substr(0, kCostRecSize));
  } else if (Signed(bytes, kCostSignature310) && bytes.size() >= kCostRec310Size) {
    FUZZ_CHECK(loaded && sink.messages.empty());
    // The header stays the live one, the body is the file's, the corner cost
    // the default.
    const std::string old = CostRecBytes(before);
    FUZZ_CHECK(got.substr(0, 32) == old.substr(0, 32));
    FUZZ_CHECK(got.substr(32, kCostRec310Size - 32) == bytes.substr(32, kCostRec310Size - 32));
    FUZZ_CHECK(std::memcmp(&current.CornerCost, &DefaultCosts().CornerCost, sizeof(double)) == 0);
  } else {
    FUZZ_CHECK(!loaded && current == DefaultCosts());
    FUZZ_CHECK(sink.messages.size() == 1);
    const auto &msg = sink.messages.front();
    if (Signed(bytes, kCostSignature330) || Signed(bytes, kCostSignature310)) {
      FUZZ_CHECK(msg.kind == TMsgKind::Information);
      FUZZ_CHECK(msg.text == path + "\r\ncannot be loaded...");
    } else {
      FUZZ_CHECK(msg.kind == TMsgKind::Error);
      FUZZ_CHECK(msg.text == "Incorrect cost file format : " + path);
    }
  }

  // Whatever is live now saves as a 3.30 file and loads back unchanged.
  const std::string saved = ScratchFile("Saved.cst");
  TRecordingSink saveSink;
  FUZZ_CHECK(SaveCostFile(saved, current, saveSink) && saveSink.messages.empty());
  FUZZ_CHECK(GetFile(saved) == CostRecBytes(current));
  TCostRec again = MarkedRecord();
  FUZZ_CHECK(LoadCostFile(saved, again, saveSink) && again == current);
  FUZZ_CHECK(OnlyFiles(ScratchDir(), {"Fuzz.cst", "Saved.cst"}));
  return 0;
}
