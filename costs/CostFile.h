#pragma once
// Loading and saving cost files: one TCostRec per file, the current 3.30
// layout (224 bytes) or the older 3.10 layout (216 bytes, no CornerCost),
// which is upgraded on load. Both operations tell the user about their own
// failures through the message sink and give the caller only a Boolean.
#include <string>

#include "base/KorvaneError.h"
#include "base/MessageSink.h"
#include "costs/CostRec.h"

namespace korvane {

// The file's signature matches neither version.
class EInvalidCostFile : public EKorvaneError {
public:
  using EKorvaneError::EKorvaneError;
};

// A save was asked to write without a file name.
class EBlankFileName : public EKorvaneError {
public:
  using EKorvaneError::EKorvaneError;
};

// Loads the record in CostFileName into CurrentCosts. An empty name returns
// false at once, silently, with CurrentCosts untouched. Any other failure
// tells the user, sets CurrentCosts to DefaultCosts() and returns false.
bool LoadCostFile(const std::string &CostFileName, TCostRec &CurrentCosts, TMessageSink &sink);

// Stamps the 3.30 signature into CurrentCosts and writes it to CostFileName,
// atomically, so a failed save leaves any earlier file as it was. A failure
// tells the user why (CostFileNotWrittenText) and returns false.
bool SaveCostFile(const std::string &CostFileName, TCostRec &CurrentCosts, TMessageSink &sink);

// SaveCostFile without the message: false with the system's reason in `why`,
// for a caller that offers the user a way on in the same message.
bool WriteCostFile(const std::string &CostFileName, TCostRec &CurrentCosts, std::string &why);

// "Costs file cannot be written...", then the file and the reason, each on a
// line of its own.
std::string CostFileNotWrittenText(const std::string &CostFileName, const std::string &why);

// The bytes of a record exactly as a 3.30 cost file holds them.
std::string CostRecBytes(const TCostRec &rec);

} // namespace korvane
