#include "bill/takeoff/XlsxXml.h"

#include <expat.h>

#include <memory>
#include <vector>

namespace korvane {

namespace {

std::string_view LocalName(const XML_Char *name) {
  const std::string_view full(name);
  const std::size_t colon = full.rfind(':');
  return colon == std::string_view::npos ? full : full.substr(colon + 1);
}

struct TParse {
  XML_Parser parser = nullptr;
  TXmlHandler *handler = nullptr;
  std::vector<TXmlAttribute> attributes;
  bool doctype = false;
};

void Stop(TParse &p) {
  XML_StopParser(p.parser, XML_FALSE);
}

void OnStart(void *data, const XML_Char *name, const XML_Char **atts) {
  auto &p = *static_cast<TParse *>(data);
  p.attributes.clear();
  for (std::size_t i = 0; atts[i] && atts[i + 1]; i += 2)
    p.attributes.emplace_back(LocalName(atts[i]), std::string_view(atts[i + 1]));
  p.handler->Start(LocalName(name), p.attributes);
  if (!p.handler->Failure.empty())
    Stop(p);
}

void OnEnd(void *data, const XML_Char *name) {
  auto &p = *static_cast<TParse *>(data);
  p.handler->End(LocalName(name));
  if (!p.handler->Failure.empty())
    Stop(p);
}

void OnText(void *data, const XML_Char *text, int len) {
  auto &p = *static_cast<TParse *>(data);
  p.handler->Text(std::string_view(text, static_cast<std::size_t>(len)));
  if (!p.handler->Failure.empty())
    Stop(p);
}

void OnDoctype(void *data, const XML_Char *, const XML_Char *, const XML_Char *, int) {
  auto &p = *static_cast<TParse *>(data);
  p.doctype = true;
  Stop(p);
}

struct TFreeParser {
  void operator()(XML_ParserStruct *p) const { XML_ParserFree(p); }
};

} // namespace

bool ParseXlsxXml(std::string_view bytes, TXmlHandler &handler, std::string &error) {
  const std::unique_ptr<XML_ParserStruct, TFreeParser> parser(XML_ParserCreate("UTF-8"));
  if (!parser) {
    error = "out of memory";
    return false;
  }
  TParse p;
  p.parser = parser.get();
  p.handler = &handler;
  XML_SetUserData(p.parser, &p);
  XML_SetElementHandler(p.parser, OnStart, OnEnd);
  XML_SetCharacterDataHandler(p.parser, OnText);
  XML_SetStartDoctypeDeclHandler(p.parser, OnDoctype);
  // Fed in pieces: expat's length is an int.
  constexpr std::size_t kPiece = 1u << 20;
  XML_Status status = XML_STATUS_OK;
  do {
    const std::string_view piece = bytes.substr(0, kPiece);
    bytes.remove_prefix(piece.size());
    status = XML_Parse(p.parser, piece.data(), static_cast<int>(piece.size()),
                       bytes.empty() ? XML_TRUE : XML_FALSE);
  } while (status == XML_STATUS_OK && !bytes.empty());
  if (status == XML_STATUS_OK)
    return true;
  const std::string line = std::to_string(XML_GetCurrentLineNumber(p.parser));
  if (!handler.Failure.empty())
    error = handler.Failure;
  else if (p.doctype)
    error = "a document type declaration is not read (line " + line + ")";
  else
    error = std::string(XML_ErrorString(XML_GetErrorCode(p.parser))) + " at line " + line;
  return false;
}

std::string_view XmlAttribute(std::span<const TXmlAttribute> attributes, std::string_view name) {
  for (const TXmlAttribute &a : attributes)
    if (a.first == name)
      return a.second;
  return {};
}

} // namespace korvane
