#pragma once
// The zip an XLSX is, read with libzip: its parts by name, each unpacked in
// blocks and refused past a byte cap whatever its header claims, so a zip
// bomb costs at most the cap. The library is opened with the first zip a
// program reads.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

struct zip;

namespace korvane {

struct TZipLibrary;

class TXlsxZip {
public:
  TXlsxZip();
  ~TXlsxZip();
  TXlsxZip(const TXlsxZip &) = delete;
  TXlsxZip &operator=(const TXlsxZip &) = delete;

  // A zip file, or one in memory (`bytes` must outlive this). False with
  // `error` when it is no zip.
  bool Open(const std::string &path, std::string &error);
  bool OpenBytes(std::string_view bytes, std::string &error);

  bool Has(std::string_view name) const;
  // The part unpacked into `out`. False with `error` when it is missing,
  // damaged or larger than `cap`.
  bool Read(std::string_view name, std::size_t cap, std::string &out, std::string &error) const;

private:
  // False, with `error`, when the library cannot be opened.
  bool OpenLibrary(std::string &error);

  struct TClose {
    const TZipLibrary *Library;
    void operator()(zip *z) const;
  };
  const TZipLibrary *library_ = nullptr;
  std::unique_ptr<zip, TClose> zip_;
};

} // namespace korvane
