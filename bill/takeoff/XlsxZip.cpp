#include "bill/takeoff/XlsxZip.h"

#include <zip.h>

#include <algorithm>

namespace korvane {

namespace {

std::string ZipErrorText(int code) {
  zip_error_t e;
  zip_error_init_with_code(&e, code);
  std::string text = zip_error_strerror(&e);
  zip_error_fini(&e);
  return text;
}

std::string MiB(std::size_t bytes) {
  return std::to_string(bytes >> 20) + " MiB";
}

} // namespace

void TXlsxZip::TClose::operator()(zip *z) const {
  zip_discard(z); // read only: nothing to write back
}

TXlsxZip::TXlsxZip() = default;
TXlsxZip::~TXlsxZip() = default;

bool TXlsxZip::Open(const std::string &path, std::string &error) {
  int code = 0;
  zip_ = std::unique_ptr<zip, TClose>(zip_open(path.c_str(), ZIP_RDONLY, &code));
  if (!zip_)
    error = "not an XLSX (zip) file: " + ZipErrorText(code);
  return zip_ != nullptr;
}

bool TXlsxZip::OpenBytes(std::string_view bytes, std::string &error) {
  zip_error_t e;
  zip_error_init(&e);
  zip_source_t *source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &e);
  if (source)
    zip_ = std::unique_ptr<zip, TClose>(zip_open_from_source(source, ZIP_RDONLY, &e));
  if (!zip_) {
    error = std::string("not an XLSX (zip) file: ") + zip_error_strerror(&e);
    if (source)
      zip_source_free(source);
  }
  zip_error_fini(&e);
  return zip_ != nullptr;
}

bool TXlsxZip::Has(std::string_view name) const {
  return zip_ && zip_name_locate(zip_.get(), std::string(name).c_str(), 0) >= 0;
}

bool TXlsxZip::Read(std::string_view name, std::size_t cap, std::string &out,
                    std::string &error) const {
  out.clear();
  const std::string part(name);
  const zip_int64_t index = zip_ ? zip_name_locate(zip_.get(), part.c_str(), 0) : -1;
  if (index < 0) {
    error = "it has no part " + part;
    return false;
  }
  zip_file_t *file = zip_fopen_index(zip_.get(), static_cast<zip_uint64_t>(index), 0);
  if (!file) {
    error = "part " + part + " cannot be unpacked: " + zip_strerror(zip_.get());
    return false;
  }
  constexpr std::size_t kBlock = 64u << 10;
  // The size the zip claims, trusted only as far as the cap: an honest part
  // is read into one allocation, a lying one grows as it comes.
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(zip_.get(), static_cast<zip_uint64_t>(index), 0, &stat) == 0 &&
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
    const zip_int64_t n = zip_fread(file, out.data() + at, kBlock);
    if (n < 0) {
      error = "part " + part + " is damaged: " + zip_file_strerror(file);
      ok = false;
      break;
    }
    out.resize(at + static_cast<std::size_t>(n));
    if (n == 0)
      break;
  }
  zip_fclose(file);
  if (!ok) {
    out.clear();
    out.shrink_to_fit();
  }
  return ok;
}

} // namespace korvane
