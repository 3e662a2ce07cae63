#pragma once
// An ISO 10303-21 file read as it streams in: its header is checked for a
// schema this reader knows (IFC2X3, IFC4), and of its data section only the
// instances whose entity the caller asks for are kept, each as the text of
// its attributes, for TStepValues to take apart when it is looked at. A
// building model is mostly walls, slabs and their geometry; keeping only the
// duct side of it keeps memory near the size of that side, never more than
// the file's own size plus a small index.
//
//   TStepFile step("office.ifc", wanted);
//   while (...) step.Feed(bytes);
//   if (!step.Finish(error)) ...
//   const TStepEntity *e = step.Find(42);
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane {

enum class TStepSchema { Unknown, Ifc2x3, Ifc4 };

struct TStepEntity {
  std::uint64_t Id = 0;
  std::uint32_t Type = 0; // the index of its name in the wanted list
  std::uint32_t Size = 0; // of its attribute text
  std::size_t At = 0;     // where its attribute text starts in the reader
};

class TStepFile {
public:
  // `wanted`: the entity names to keep, upper case. Both must outlive the
  // reader; `fileName` names the file in every error.
  TStepFile(std::string fileName, std::span<const std::string_view> wanted);

  void Feed(std::string_view bytes);
  // After the last bytes: false with `error` when the bytes were no STEP
  // file of a known schema.
  bool Finish(std::string &error);

  TStepSchema Schema() const { return schema_; }
  // The kept instance #id; null when it was not kept or is not there.
  const TStepEntity *Find(std::uint64_t id) const;
  // The text between the instance's outer parentheses, with the blanks and
  // comments outside its strings taken out.
  std::string_view Args(const TStepEntity &entity) const {
    return std::string_view(arena_).substr(entity.At, entity.Size);
  }
  // Every kept instance, in id order.
  std::span<const TStepEntity> Entities() const { return entities_; }
  // Instances read in the data section, kept or not.

private:
  enum class TState { Start, Header, Data, End };
  void Statement(std::string_view text);
  void HeaderStatement(std::string_view text);
  void DataStatement(std::string_view text);
  void Fail(std::string why);

  std::string fileName_;
  std::span<const std::string_view> wanted_;
  TState state_ = TState::Start;
  TStepSchema schema_ = TStepSchema::Unknown;
  std::string schemaName_;
  std::string error_;
  // The scanner's state between pieces: inside a string or a comment.
  bool dataSeen_ = false;
  bool inString_ = false;
  bool inComment_ = false;
  char last_ = 0;     // the byte before, for "/*" and "*/"
  std::string carry_; // a statement cut by Feed

  std::string arena_; // the kept attribute texts, one after the other
  std::vector<TStepEntity> entities_;
  std::vector<std::pair<std::string_view, std::uint32_t>> names_; // sorted
};

} // namespace korvane
