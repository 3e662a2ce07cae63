#pragma once
// The words of the bill language: the token codes the bill lexer hands out,
// the keyword table (every accepted spelling to its one code, and the item
// spellings the highlighter colours) and the name each code is written back
// as. Bills are typed by hand, so one item has many spellings; the table is
// the single place that knows them, for the lexer, the highlighter's scanner
// and the highlighter alike.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace korvane {

// Token codes. A host that edits bills compares these numbers, so they are
// fixed; 8 is unused.
enum TBillTokenCode : std::uint8_t {
  btIdentifier = 0, // a word that is neither a keyword nor a user type
  btNumber = 1,     // a word starting with "+", "." or a digit
  btOther = 2,      // a character that starts no token at all
  btLineComment = 3,
  btBraceComment = 4,
  btHashComment = 5,
  btSummary = 6,
  btEnd = 7,
  btGlobalSettings = 9,
  btOpenParen = 10,
  btCloseParen = 11,
  btEquals = 12,
  btErection = 13,
  btInsulation = 14,
  btInsThickness = 15,
  btIns12_5mm = 16,
  btIns25mm = 17,
  btIns50mm = 18,
  btBrackets = 19,
  btReinforcing = 20,
  btForceMezzFlanges = 21,
  btLengthForceMezz = 22,
  btAngleFlanges = 23,
  btAngle20x20x3 = 24,
  btAngle30x30x3 = 25,
  btAngle40x40x3 = 26,
  btAngle40x40x5 = 27,
  btAngle50x50x5 = 28,
  btInclude = 29,
  btExclude = 30,
  btInternal = 31,
  btExternal = 32,
  btBoth = 33,
  btNone = 34,
  btGauge = 35,
  btNumberOff = 36,
  btFlangeKind = 37,
  btCosts = 38,
  btStraightRect = 39,
  btSetups = 40,
  btOffsets = 41,
  btRadiusBend = 42,
  btVanedRadiusBend = 43,
  btSquareBend = 44,
  btVanedSquareBend = 45,
  btSquareBendReducing = 46,
  btVanedSquareBendReducing = 47,
  btSquareToRound = 48,
  btTaper = 49,
  btShoe = 50,
  btSquareStopEnd = 51,
  btSquareSpigot = 52,
  btCollar = 53,
  btCutIn = 54,
  btYPiece = 55,
  btUserType = 56,
  btSpiral = 57,
  btRoundDuct = 58,
  btRoundSpigot = 59,
  btPlateSpigot = 60,
  btElbow = 61,
  btReducer = 62,
  btTPiece = 63,
  btNipple = 64,
  btRoundStopEnd = 65,
  btX = 66,
  btTo = 67,
  btDeg = 68,
  btDia = 69,
};

inline constexpr int kBillFirstItemType = btStraightRect;
inline constexpr int kBillLastItemType = btRoundStopEnd;

inline bool IsBillItemType(int code) {
  return code >= kBillFirstItemType && code <= kBillLastItemType;
}

struct TBillKeyword {
  std::string_view spelling; // upper case, as compared
  TBillTokenCode code;
  // How the highlighter's list spells an item keyword it colours; empty for
  // a word it leaves plain.
  std::string_view highlight = {};
};

// Every accepted spelling, each exactly once.
std::span<const TBillKeyword> BillKeywords();

// The code of an upper-case word, or btIdentifier when it is no keyword.
// Only whole words match.
TBillTokenCode LookupBillKeyword(std::string_view upperWord);

// The item keywords the highlighter colours as Key, as its list spells them.
std::span<const std::string_view> BillHighlightKeywords();

// How the highlighter shows an identifier (letters and underscores), case
// ignored: a word that opens a part of the bill of its own (Costs, Summary,
// GlobalSettings), an item keyword it colours, or plain.
enum class TBillWordKind { Plain, Section, Item };
TBillWordKind BillWordKind(std::string_view word);

// The text a code is written back as: the canonical item type names for the
// item types, a readable spelling that looks up to the same code for the other
// keywords, the mark for comments and single-character words, and an empty
// text for codes without a fixed text (identifier, number, end ...).
std::string_view BillCanonicalName(int code);

// Upper-cases the letters a to z only: bills are byte text and no other byte
// takes part in keyword matching.
std::string BillUpper(std::string_view word);

} // namespace korvane
