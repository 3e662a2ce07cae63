#pragma once
// Item files (".kvd"): the values of all fifteen item types in one INI-style
// text, one section per type named after it, one key per property row.
#include <string>

#include "app/Catalogue.h"
#include "base/MessageSink.h"

namespace korvane {

// Who saved the file and when. The window takes the date and time texts from
// the user's short date and long time formats, separated by a space.
struct TItemFileStamp {
  std::string Owner;
  std::string Organisation;
  std::string DateTime;
};

// The user's full name from the account database (the comment field up to
// its first ','), or the login name when that is empty; empty when the user
// has no entry at all. This platform has no organisation name.
std::string RegisteredOwnerName();
// Owner from the account database, no organisation, and `DateTime`.
TItemFileStamp MakeItemFileStamp(std::string DateTime);

// Writes "RegisteredUser", "Last Saved" and one section per type into
// `FileName`, keeping every section and key of an existing file that these do
// not replace. Values are written in the shortest general form. The write is
// atomic. A file that cannot be read (other than a missing one) or written is
// reported through `sink` with the file layer's text, and the old file stays
// as it was; false then.
bool SaveItemFile(const std::string &FileName, const TItemValues &ItemValues,
                  const TItemFileStamp &Stamp, TMessageSink &sink);

// Reads every type's values from `FileName`, names matched without regard to
// case. An entry that is missing, empty or not a number leaves its value as
// it was; a file that does not exist changes nothing. A file that cannot be
// read is reported through `sink` and changes nothing; false then.
bool LoadItemFile(const std::string &FileName, TItemValues &ItemValues, TMessageSink &sink);

} // namespace korvane
