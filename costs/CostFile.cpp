#include "costs/CostFile.h"

#include <bit>
#include <cstring>

#include "base/FileIO.h"
#include "costs/FileStart.h"

namespace korvane {

static_assert(std::endian::native == std::endian::little,
              "cost files hold little-endian doubles: the record is copied as it lies in memory");

namespace {

constexpr std::size_t kSignatureBytes = 28; // length byte and 27 characters
constexpr std::size_t kHeaderBytes = 32;    // signature and padding
constexpr std::size_t kCostRec310Body = kCostRec310Size - kHeaderBytes; // RefDate .. Sq2RFactor

bool HasSignature(const std::string &bytes, std::string_view signature) {
  return bytes.size() >= kSignatureBytes &&
         static_cast<unsigned char>(bytes[0]) == signature.size() &&
         bytes.compare(1, signature.size(), signature) == 0;
}

void StampSignature330(TCostRec &rec) {
  std::memcpy(&rec, &DefaultCosts(), kSignatureBytes);
}

// Reads the record of a cost file into a fresh value, so the live record is
// replaced whole or not at all. Throws EInvalidCostFile for a file of neither
// version and EKorvaneError for one that cannot be read or is cut short.
TCostRec ReadCostRecord(const std::string &CostFileName, const TCostRec &CurrentCosts) {
  std::string bytes;
  if (!ReadFileStart(CostFileName, kCostRecSize, bytes))
    throw EKorvaneError("cost file cannot be read");

  TCostRec rec = CurrentCosts;
  if (HasSignature(bytes, kCostSignature330)) {
    if (bytes.size() < kCostRecSize)
      throw EKorvaneError("cost file shorter than its record");
    std::memcpy(&rec, bytes.data(), kCostRecSize);
  } else if (HasSignature(bytes, kCostSignature310)) {
    if (bytes.size() < kCostRec310Size)
      throw EKorvaneError("cost file shorter than its record");
    // The older layout stops after Sq2RFactor; the header stays what it was,
    // and the corner cost it never had comes from the defaults.
    std::memcpy(reinterpret_cast<char *>(&rec) + kHeaderBytes, bytes.data() + kHeaderBytes,
                kCostRec310Body);
    rec.CornerCost = DefaultCosts().CornerCost;
  } else {
    throw EInvalidCostFile("Incorrect cost file format : " + CostFileName);
  }
  return rec;
}

} // namespace

std::string CostRecBytes(const TCostRec &rec) {
  return std::string(reinterpret_cast<const char *>(&rec), sizeof rec);
}

bool LoadCostFile(const std::string &CostFileName, TCostRec &CurrentCosts, TMessageSink &sink) {
  if (CostFileName.empty())
    return false;
  try {
    CurrentCosts = ReadCostRecord(CostFileName, CurrentCosts);
    return true;
  } catch (const EInvalidCostFile &e) {
    CurrentCosts = DefaultCosts();
    sink.Show(TMsgKind::Error, TMsgButtons::Ok, e.what());
  } catch (const std::exception &) {
    CurrentCosts = DefaultCosts();
    sink.Show(TMsgKind::Information, TMsgButtons::Ok, CostFileName + "\r\ncannot be loaded...");
  }
  return false;
}

bool WriteCostFile(const std::string &CostFileName, TCostRec &CurrentCosts, std::string &why) {
  if (CostFileName.empty()) {
    why = "Blank cost file name";
    return false;
  }
  // Whatever version was loaded, what is written is a 3.30 record; the
  // padding bytes go out as they came in.
  StampSignature330(CurrentCosts);
  return AtomicWriteFile(CostFileName, CostRecBytes(CurrentCosts), &why);
}

std::string CostFileNotWrittenText(const std::string &CostFileName, const std::string &why) {
  // The system's reason and the file: "Permission denied" alone does not say
  // that the file is the shipped one under /opt.
  std::string text = "Costs file cannot be written...";
  if (!CostFileName.empty())
    text += "\r\n" + CostFileName;
  if (!why.empty())
    text += "\r\n" + why + '.';
  return text;
}

bool SaveCostFile(const std::string &CostFileName, TCostRec &CurrentCosts, TMessageSink &sink) {
  std::string why;
  if (WriteCostFile(CostFileName, CurrentCosts, why))
    return true;
  sink.Show(TMsgKind::Information, TMsgButtons::Ok, CostFileNotWrittenText(CostFileName, why));
  return false;
}

} // namespace korvane
