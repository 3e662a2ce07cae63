#include "app/ItemFile.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <exception>
#include <vector>

#include "base/IniStore.h"
#include "base/NumberText.h"

namespace korvane {

namespace {

constexpr const char *kUserSection = "RegisteredUser";
constexpr const char *kSavedSection = "Last Saved";

// A number in the shortest general form; a value that is no number (the grid
// can hand back a text) is kept as the text it is, so nothing typed is lost.
std::string ValueText(const Variant &value) {
  if (value.isNumber())
    return FormatGeneral(value.toDouble());
  try {
    return value.toText();
  } catch (const std::exception &) {
    return std::string();
  }
}

void Report(TMessageSink &sink, const std::string &text) {
  sink.Show(TMsgKind::Error, TMsgButtons::Ok, text);
}

// The file layer's words: what could not be done to which file, and why.
std::string FileError(const char *what, const std::string &FileName, const std::string &reason) {
  std::string text = std::string("Cannot ") + what + " file \"" + FileName + "\".";
  if (!reason.empty())
    text += " " + reason;
  return text;
}

} // namespace

std::string RegisteredOwnerName() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd *found = nullptr;
  while (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
         buffer.size() < (1u << 20))
    buffer.resize(buffer.size() * 2);
  if (!found)
    return std::string();
  std::string name = found->pw_gecos ? found->pw_gecos : "";
  name = name.substr(0, name.find(','));
  if (name.empty() && found->pw_name)
    name = found->pw_name;
  return name;
}

TItemFileStamp MakeItemFileStamp(std::string DateTime) {
  return {RegisteredOwnerName(), std::string(), std::move(DateTime)};
}

bool SaveItemFile(const std::string &FileName, const TItemValues &ItemValues,
                  const TItemFileStamp &Stamp, TMessageSink &sink) {
  TIniStore ini;
  std::string error;
  // What the file holds besides our sections must survive the save; a file
  // we cannot read is one we must not replace.
  if (!ini.LoadFile(FileName, &error)) {
    Report(sink, FileError("open", FileName, error));
    return false;
  }
  ini.Write(kUserSection, "RegisteredOwner", Stamp.Owner);
  ini.Write(kUserSection, "RegisteredOrganisation", Stamp.Organisation);
  ini.Write(kSavedSection, "DataTime", Stamp.DateTime);
  for (int t = 0; t < kTypeCount; ++t) {
    const TDuctTypeRec &rec = DuctTypes[static_cast<std::size_t>(t)];
    const TMyVarArray &values = ItemValues[static_cast<std::size_t>(t)];
    const std::size_t count = std::min<std::size_t>(values.size(), rec.Props.size());
    for (std::size_t k = 0; k < count && !rec.Props[k].empty(); ++k)
      ini.Write(rec.Name, rec.Props[k], ValueText(values[k]));
  }
  if (!ini.SaveFile(FileName, &error)) {
    Report(sink, FileError("create", FileName, error));
    return false;
  }
  return true;
}

bool LoadItemFile(const std::string &FileName, TItemValues &ItemValues, TMessageSink &sink) {
  TIniStore ini;
  std::string error;
  if (!ini.LoadFile(FileName, &error)) {
    Report(sink, FileError("open", FileName, error));
    return false;
  }
  for (int t = 0; t < kTypeCount; ++t) {
    const TDuctTypeRec &rec = DuctTypes[static_cast<std::size_t>(t)];
    TMyVarArray &values = ItemValues[static_cast<std::size_t>(t)];
    const std::size_t count = std::min<std::size_t>(values.size(), rec.Props.size());
    for (std::size_t k = 0; k < count && !rec.Props[k].empty(); ++k) {
      double number = 0;
      if (const auto text = ini.Read(rec.Name, rec.Props[k]); text && ReadNumber(*text, number))
        values[k] = Variant(number);
    }
  }
  return true;
}

} // namespace korvane
