#include "bill/takeoff/XlsxZip.h"

#include <algorithm>

#include "bill/takeoff/ZipLibrary.h"

namespace korvane {

namespace {

std::string ZipErrorText(const TZipLibrary &library, int code) {
  zip_error_t e;
  library.InitErrorWithCode(&e, code);
  std::string text = library.ErrorText(&e);
  library.FiniError(&e);
  return text;
}

std::string MiB(std::size_t bytes) {
  return std::to_string(bytes >> 20) + " MiB";
}

} // namespace

void TXlsxZip::TClose::operator()(zip *z) const {
  Library->Discard(z); // read only: nothing to write back
}

TXlsxZip::TXlsxZip() = default;
TXlsxZip::~TXlsxZip() = default;

bool TXlsxZip::OpenLibrary(std::string &error) {
  zip_.reset();
  library_ = ZipLibrary(error);
  return library_ != nullptr;
}

bool TXlsxZip::Open(const std::string &path, std::string &error) {
  if (!OpenLibrary(error))
    return false;
  int code = 0;
  zip_ = std::unique_ptr<zip, TClose>(library_->Open(path.c_str(), ZIP_RDONLY, &code),
                                      TClose{library_});
  if (!zip_)
    error = "not an XLSX (zip) file: " + ZipErrorText(*library_, code);
  return zip_ != nullptr;
}

bool TXlsxZip::OpenBytes(std::string_view bytes, std::string &error) {
  if (!OpenLibrary(error))
    return false;
  const TZipLibrary &z = *library_;
  zip_error_t e;
  z.InitError(&e);
  zip_source_t *source = z.BufferSource(bytes.data(), bytes.size(), 0, &e);
  if (source)
    zip_ = std::unique_ptr<zip, TClose>(z.OpenFromSource(source, ZIP_RDONLY, &e), TClose{library_});
  if (!zip_) {
    error = std::string("not an XLSX (zip) file: ") + z.ErrorText(&e);
    if (source)
      z.FreeSource(source);
  }
  z.FiniError(&e);
  return zip_ != nullptr;
}

bool TXlsxZip::Has(std::string_view name) const {
  return zip_ && library_->Locate(zip_.get(), std::string(name).c_str(), 0) >= 0;
}

bool TXlsxZip::Read(std::string_view name, std::size_t cap, std::string &out,
                    std::string &error) const {
  out.clear();
  const std::string part(name);
  const zip_int64_t index = zip_ ? library_->Locate(zip_.get(), part.c_str(), 0) : -1;
  if (index < 0) {
    error = "it has no part " + part;
    return false;
  }
  const TZipLibrary &z = *library_;
  zip_file_t *file = z.OpenPart(zip_.get(), static_cast<zip_uint64_t>(index), 0);
  if (!file) {
    error = "part " + part + " cannot be unpacked: " + z.ZipErrorText(zip_.get());
    return false;
  }
  constexpr std::size_t kBlock = 64u << 10;
  // The size the zip claims, trusted only as far as the cap: an honest part
  // is read into one allocation, a lying one grows as it comes.
  zip_stat_t stat;
  z.InitStat(&stat);
  if (z.StatPart(zip_.get(), static_cast<zip_uint64_t>(index), 0, &stat) == 0 &&
      (stat.valid & ZIP_STAT_SIZE) != 0)
    out.reserve(static_cast<std::size_t>(std::min<zip_uint64_t>(stat.size, cap)) + kBlock);
  bool ok = true;
  while (true) {
    if (out.size() > cap) {
      error = "part " + part + " unpacks to more than " + MiB(cap);
      ok = false;
      break;
    }
    const std::size_t at = out.size();
    out.resize(at + kBlock);
    const zip_int64_t n = z.ReadPart(file, out.data() + at, kBlock);
    if (n < 0) {
      error = "part " + part + " is damaged: " + z.PartErrorText(file);
      ok = false;
      break;
    }
    out.resize(at + static_cast<std::size_t>(n));
    if (n == 0)
      break;
  }
  z.ClosePart(file);
  if (!ok) {
    out.clear();
    out.shrink_to_fit();
  }
  return ok;
}

} // namespace korvane
