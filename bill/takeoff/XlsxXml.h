#pragma once
// The XML of an XLSX part, read with expat as events: element starts with
// their attributes, ends and text, names without their namespace prefix
// ("x:row" is "row"). A part is outside input: a document type declaration
// (the door to entity expansion) is refused, and any error ends the part with
// its line number.
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace korvane {

using TXmlAttribute = std::pair<std::string_view, std::string_view>;

class TXmlHandler {
public:
  virtual ~TXmlHandler() = default;
  virtual void Start(std::string_view name, std::span<const TXmlAttribute> attributes) = 0;
  virtual void End(std::string_view name) = 0;
  virtual void Text(std::string_view text) = 0;
  // Set by a handler to stop the parse with that error.
  std::string Failure;
};

// False with `error` when the bytes are no well-formed XML or the handler
// set Failure.
bool ParseXlsxXml(std::string_view bytes, TXmlHandler &handler, std::string &error);

// The value of attribute `name` (without prefix); empty when absent.
std::string_view XmlAttribute(std::span<const TXmlAttribute> attributes, std::string_view name);

} // namespace korvane
