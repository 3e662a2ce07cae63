#include "bill/job/XlsxBook.h"

#include <stdlib.h> // mkdtemp

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/FileIO.h"
#include "bill/job/XlsxWriterLibrary.h"

namespace korvane {

namespace {

constexpr std::string_view kReplacement = "\xef\xbf\xbd"; // U+FFFD
// A column wider than this would push the others off any screen.
constexpr std::size_t kMaxWidth = 100;
constexpr const char *kBookName = "/job.xlsx";

bool Continuation(std::string_view text, std::size_t at, unsigned char lo = 0x80,
                  unsigned char hi = 0xbf) {
  if (at >= text.size())
    return false;
  const auto b = static_cast<unsigned char>(text[at]);
  return b >= lo && b <= hi;
}

// The length of the character `text` begins with when it is well-formed
// UTF-8 that XML may carry; 0 otherwise.
std::size_t CharacterLength(std::string_view text) {
  const auto b = static_cast<unsigned char>(text[0]);
  if (b < 0x80)
    return b >= 0x20 || b == '\t' || b == '\n' ? 1 : 0;
  if (b >= 0xc2 && b <= 0xdf)
    return Continuation(text, 1) ? 2 : 0;
  if (b >= 0xe0 && b <= 0xef) {
    const bool second = b == 0xe0   ? Continuation(text, 1, 0xa0)
                        : b == 0xed ? Continuation(text, 1, 0x80, 0x9f)
                                    : Continuation(text, 1);
    // U+FFFE and U+FFFF are no characters XML allows.
    const bool noCharacter =
        b == 0xef && text.substr(1, 1) == "\xbf" && Continuation(text, 2, 0xbe, 0xbf);
    return second && Continuation(text, 2) && !noCharacter ? 3 : 0;
  }
  if (b >= 0xf0 && b <= 0xf4) {
    const bool second = b == 0xf0   ? Continuation(text, 1, 0x90)
                        : b == 0xf4 ? Continuation(text, 1, 0x80, 0x8f)
                                    : Continuation(text, 1);
    return second && Continuation(text, 2) && Continuation(text, 3) ? 4 : 0;
  }
  return 0;
}

std::size_t Characters(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
  }));
}

std::string ErrorText(const TXlsxWriterLibrary &library, int error) {
  if (error == LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE)
    return "the workbook cannot hold the job: a worksheet has at most 1,048,576 rows";
  return std::string("the workbook cannot be written: ") +
         library.ErrorText(static_cast<lxw_error>(error));
}

} // namespace

std::string CellText(std::string_view text) {
  std::string out;
  out.reserve(std::min(text.size(), kMaxCellText));
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = CharacterLength(text.substr(at));
    const std::string_view character = length > 0 ? text.substr(at, length) : kReplacement;
    if (out.size() + character.size() > kMaxCellText)
      break;
    out += character;
    at += std::max<std::size_t>(length, 1);
  }
  return out;
}

void TXlsxSheet::Check(int error) {
  if (error_ == 0)
    error_ = error;
}

void TXlsxSheet::Widen(int column, std::size_t characters) {
  const auto at = static_cast<std::size_t>(column);
  if (widths_.size() <= at)
    widths_.resize(at + 1);
  widths_[at] = std::max(widths_[at], std::min(characters, kMaxWidth));
}

void TXlsxSheet::Text(int column, std::string_view text, lxw_format *format) {
  if (text.empty())
    return;
  const std::string cell = CellText(text);
  Widen(column, Characters(cell));
  Check(library_.WriteString(sheet_, row_, static_cast<lxw_col_t>(column), cell.c_str(), format));
}

void TXlsxSheet::Number(int column, double value, lxw_format *format, std::string_view shown) {
  Widen(column, Characters(shown));
  Check(library_.WriteNumber(sheet_, row_, static_cast<lxw_col_t>(column), value, format));
}

void TXlsxSheet::Formula(int column, const std::string &formula, double value, lxw_format *format,
                         std::string_view shown) {
  Widen(column, Characters(shown));
  Check(library_.WriteFormula(sheet_, row_, static_cast<lxw_col_t>(column), formula.c_str(), format,
                              value));
}

std::string TXlsxSheet::Cell(int column, unsigned row) {
  std::string letters;
  for (int c = column + 1; c > 0; c = (c - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
  return letters + std::to_string(row + 1);
}

void TXlsxSheet::FreezeAbove() {
  library_.FreezePanes(sheet_, row_, 0);
}

void TXlsxSheet::FitColumns() {
  for (std::size_t column = 0; column < widths_.size(); ++column)
    if (widths_[column] > 0)
      Check(library_.SetColumn(sheet_, static_cast<lxw_col_t>(column),
                               static_cast<lxw_col_t>(column),
                               static_cast<double>(widths_[column] + 2), nullptr));
}

void TXlsxBook::TCloser::operator()(lxw_workbook *book) const {
  Library->CloseBook(book);
}

TXlsxBook::TXlsxBook() : library_(XlsxWriterLibrary(error_)), book_(nullptr, TCloser{library_}) {
  if (!library_)
    return;
  std::error_code failed;
  std::filesystem::path temporary = std::filesystem::temp_directory_path(failed);
  if (failed)
    temporary = "/tmp";
  // mkdtemp makes the folder for this process's user alone (0700).
  std::string folder = (temporary / "korvane-xlsx-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    error_ =
        "cannot make a temporary folder in '" + temporary.string() + "': " + std::strerror(errno);
    return;
  }
  folder_ = std::move(folder);
  // Rows go to the library's own temporary files as they are written; those
  // are made in the same folder, so nothing is left behind elsewhere.
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  options.tmpdir = folder_.data();
  book_.reset(library_->NewBook((folder_ + kBookName).c_str(), &options));
  if (!book_)
    error_ = "the workbook cannot be started";
}

TXlsxBook::~TXlsxBook() {
  book_.reset();
  if (!folder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
}

TXlsxSheet &TXlsxBook::AddSheet(const char *name) {
  sheets_.push_back(
      std::make_unique<TXlsxSheet>(*library_, library_->AddWorksheet(book_.get(), name)));
  return *sheets_.back();
}

lxw_format *TXlsxBook::AddFormat(bool bold, const std::string &numberFormat) {
  lxw_format *format = library_->AddFormat(book_.get());
  if (bold)
    library_->SetBold(format);
  if (!numberFormat.empty())
    library_->SetNumberFormat(format, numberFormat.c_str());
  return format;
}

bool TXlsxBook::Close(std::string &out, std::string &error) {
  if (!book_) {
    error = error_;
    return false;
  }
  int failed = 0;
  for (const std::unique_ptr<TXlsxSheet> &sheet : sheets_) {
    sheet->FitColumns();
    if (failed == 0)
      failed = sheet->Error();
  }
  const lxw_error closed = library_->CloseBook(book_.release());
  if (failed == 0)
    failed = closed;
  if (failed != 0) {
    error = ErrorText(*library_, failed);
    return false;
  }
  std::string bytes, why;
  if (!ReadFileBytes(folder_ + kBookName, bytes, &why, std::size_t(-1))) {
    error = "the workbook cannot be read back: " + why;
    return false;
  }
  if (out.empty())
    out = std::move(bytes);
  else
    out += bytes;
  return true;
}

} // namespace korvane
