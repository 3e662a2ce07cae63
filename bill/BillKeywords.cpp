#include "bill/BillKeywords.h"

#include <algorithm>
#include <array>

namespace korvane {

namespace {

constexpr std::array kKeywords{
    TBillKeyword{"SUMMARY", btSummary},
    TBillKeyword{"GLOBALSETTINGS", btGlobalSettings},
    TBillKeyword{"ERECTION", btErection},
    TBillKeyword{"INSULATION", btInsulation},
    TBillKeyword{"INSTHICKNESS", btInsThickness},
    TBillKeyword{"12.5MM", btIns12_5mm},
    TBillKeyword{"25MM", btIns25mm},
    TBillKeyword{"50MM", btIns50mm},
    TBillKeyword{"BRACKETS", btBrackets},
    TBillKeyword{"REINFORCING", btReinforcing},
    TBillKeyword{"FORCEMEZZFLANGES", btForceMezzFlanges},
    TBillKeyword{"LENGTHFORCEMEZZ", btLengthForceMezz},
    TBillKeyword{"ANGLEFLANGES", btAngleFlanges},
    TBillKeyword{"20X20X3", btAngle20x20x3},
    TBillKeyword{"30X30X3", btAngle30x30x3},
    TBillKeyword{"40X40X3", btAngle40x40x3},
    TBillKeyword{"40X40X5", btAngle40x40x5},
    TBillKeyword{"50X50X5", btAngle50x50x5},
    TBillKeyword{"INCLUDE", btInclude},
    TBillKeyword{"EXCLUDE", btExclude},
    TBillKeyword{"INTERNAL", btInternal},
    TBillKeyword{"EXTERNAL", btExternal},
    TBillKeyword{"BOTH", btBoth},
    TBillKeyword{"NONE", btNone},
    TBillKeyword{"GAUGE", btGauge},
    TBillKeyword{"NUMBEROFF", btNumberOff},
    TBillKeyword{"MEZZ20", btFlangeKind},
    TBillKeyword{"MEZZ35", btFlangeKind},
    TBillKeyword{"SLIPANDDRIVE", btFlangeKind},
    TBillKeyword{"S&D", btFlangeKind},
    TBillKeyword{"ANGLE20X20X3", btFlangeKind},
    TBillKeyword{"ANGLE20", btFlangeKind},
    TBillKeyword{"ANGLE20X3", btFlangeKind},
    TBillKeyword{"ANGLE30X30X3", btFlangeKind},
    TBillKeyword{"ANGLE30", btFlangeKind},
    TBillKeyword{"ANGLE30X3", btFlangeKind},
    TBillKeyword{"ANGLE40X40X3", btFlangeKind},
    TBillKeyword{"ANGLE40", btFlangeKind},
    TBillKeyword{"ANGLE40X3", btFlangeKind},
    TBillKeyword{"ANGLE40X40X5", btFlangeKind},
    TBillKeyword{"ANGLE40X5", btFlangeKind},
    TBillKeyword{"ANGLE50X50X5", btFlangeKind},
    TBillKeyword{"ANGLE50", btFlangeKind},
    TBillKeyword{"ANGLE50X5", btFlangeKind},
    TBillKeyword{"AUTO", btFlangeKind},
    TBillKeyword{"AUTOFLANGE", btFlangeKind},
    TBillKeyword{"COSTS", btCosts},
    TBillKeyword{"STRAIGHTRECT", btStraightRect, "StraightRect"},
    TBillKeyword{"STRAIGHT_RECT", btStraightRect, "Straight_Rect"},
    TBillKeyword{"STRAIGHT", btStraightRect, "Straight"},
    TBillKeyword{"STRAIGHT_RECTANGULAR_DUCT", btStraightRect, "Straight_Rectangular_Duct"},
    TBillKeyword{"STRAIGHTRECTANGULARDUCT", btStraightRect, "StraightRectangularDuct"},
    TBillKeyword{"RECTANGULARSTRAIGHTDUCTING", btStraightRect, "RectangularStraightDucting"},
    TBillKeyword{"RECTANGULAR_STRAIGHT_DUCTING", btStraightRect, "Rectangular_Straight_Ducting"},
    TBillKeyword{"SETUP/DN'S", btSetups},
    TBillKeyword{"SETUP", btSetups, "SetUp"},
    TBillKeyword{"SETUPS", btSetups, "SetUps"},
    TBillKeyword{"SETDOWN", btSetups, "SetDown"},
    TBillKeyword{"SETUPDOWN", btSetups, "SetUpDown"},
    TBillKeyword{"SETUP_DOWN", btSetups, "SetUp_Down"},
    TBillKeyword{"OFFSETS", btOffsets, "Offsets"},
    TBillKeyword{"OFFSET", btOffsets, "Offset"},
    TBillKeyword{"RADIUSBEND", btRadiusBend, "RadiusBend"},
    TBillKeyword{"RADIUS_BEND", btRadiusBend, "Radius_Bend"},
    TBillKeyword{"VANEDRADIUSBEND", btVanedRadiusBend, "VanedRadiusBend"},
    TBillKeyword{"VANED_RADIUS_BEND", btVanedRadiusBend, "Vaned_Radius_Bend"},
    TBillKeyword{"BENDSVANEDRADIUS", btVanedRadiusBend, "BendsVanedRadius"},
    TBillKeyword{"SQUAREBEND", btSquareBend, "SquareBend"},
    TBillKeyword{"SQUARE_BEND", btSquareBend, "Square_Bend"},
    TBillKeyword{"VANEDSQUAREBEND", btVanedSquareBend, "VanedSquareBend"},
    TBillKeyword{"VANED_SQUARE_BEND", btVanedSquareBend, "Vaned_Square_Bend"},
    TBillKeyword{"BENDSVANEDSQUARE", btVanedSquareBend, "BendsVanedSquare"},
    TBillKeyword{"SQUAREBENDREDUCING", btSquareBendReducing, "SquareBendReducing"},
    TBillKeyword{"SQUARE_BEND_REDUCING", btSquareBendReducing, "Square_Bend_Reducing"},
    TBillKeyword{"REDUCINGSQUAREBEND", btSquareBendReducing, "ReducingSquareBend"},
    TBillKeyword{"SQUAREBENDRED", btSquareBendReducing, "SquareBendRed"},
    TBillKeyword{"REDUCING_SQUARE_BEND", btSquareBendReducing, "Reducing_Square_Bend"},
    TBillKeyword{"VANEDSQUAREBENDREDUCING", btVanedSquareBendReducing, "VanedSquareBendReducing"},
    TBillKeyword{"VANED_SQUARE_BEND_REDUCING", btVanedSquareBendReducing,
                 "Vaned_Square_Bend_Reducing"},
    TBillKeyword{"REDUCINGVANEDSQUAREBEND", btVanedSquareBendReducing, "ReducingVanedSquareBend"},
    TBillKeyword{"REDUCING_VANED_SQUARE_BEND", btVanedSquareBendReducing,
                 "Reducing_Vaned_Square_Bend"},
    TBillKeyword{"VANEDSQUAREBENDRED", btVanedSquareBendReducing, "VanedSquareBendRed"},
    TBillKeyword{"BENDSVANEDSQUAREREDUCING", btVanedSquareBendReducing, "BendsVanedSquareReducing"},
    TBillKeyword{"SQUARE2ROUND", btSquareToRound},
    TBillKeyword{"SQUARETOROUND", btSquareToRound, "SquareToRound"},
    TBillKeyword{"SQUARE_TO_ROUND", btSquareToRound, "Square_To_Round"},
    TBillKeyword{"SQUARETOROUNDS", btSquareToRound, "SquareToRounds"},
    TBillKeyword{"TAPER", btTaper, "Taper"},
    TBillKeyword{"TAPERS", btTaper, "Tapers"},
    TBillKeyword{"SHOE", btShoe, "Shoe"},
    TBillKeyword{"SHOES", btShoe, "Shoes"},
    TBillKeyword{"STOPEND", btSquareStopEnd, "StopEnd"},
    TBillKeyword{"STOPENDS", btSquareStopEnd, "StopEnds"},
    TBillKeyword{"STOPEND_SQUARE", btSquareStopEnd, "StopEnd_Square"},
    TBillKeyword{"SQUARESTOPEND", btSquareStopEnd, "SquareStopEnd"},
    TBillKeyword{"SQUARESTOPENDS", btSquareStopEnd, "SquareStopEnds"},
    TBillKeyword{"SQUARESPIGOT", btSquareSpigot, "SquareSpigot"},
    TBillKeyword{"SPIGOT_SQUARE", btSquareSpigot, "Spigot_Square"},
    TBillKeyword{"COLLAR", btCollar, "Collar"},
    TBillKeyword{"COLLARS", btCollar, "Collars"},
    TBillKeyword{"CUTIN", btCutIn, "Cutin"},
    TBillKeyword{"CUTINS", btCutIn, "Cutins"},
    TBillKeyword{"WYEPIECE", btYPiece, "WyePiece"},
    TBillKeyword{"TROUSER", btYPiece, "Trouser"},
    TBillKeyword{"YPIECE", btYPiece, "YPiece"},
    TBillKeyword{"SPIRAL", btSpiral, "Spiral"},
    TBillKeyword{"SPIRALS", btSpiral, "Spirals"},
    TBillKeyword{"STRAIGHTCIRC", btRoundDuct, "StraightCirc"},
    TBillKeyword{"ROUNDSTRAIGHTDUCTING", btRoundDuct, "RoundStraightDucting"},
    TBillKeyword{"ROUNDDUCT", btRoundDuct, "RoundDuct"},
    TBillKeyword{"ROUNDSPIGOT", btRoundSpigot, "RoundSpigot"},
    TBillKeyword{"ROUNDSPIGOTS", btRoundSpigot, "RoundSpigots"},
    TBillKeyword{"SPIGOT", btRoundSpigot, "Spigot"},
    TBillKeyword{"SPIGOTS", btRoundSpigot, "Spigots"},
    TBillKeyword{"PLATESPIGOT", btPlateSpigot, "PlateSpigot"},
    TBillKeyword{"PLATESPIGOTS", btPlateSpigot, "PlateSpigots"},
    TBillKeyword{"SPIGOTWITHPLATE", btPlateSpigot, "SpigotWithPlate"},
    TBillKeyword{"SPIGOT_WITH_PLATE", btPlateSpigot, "Spigot_With_Plate"},
    TBillKeyword{"ELBOW", btElbow, "Elbow"},
    TBillKeyword{"ELBOWS", btElbow, "Elbows"},
    TBillKeyword{"CIRCBEND", btElbow, "CircBend"},
    TBillKeyword{"CIRCBENDS", btElbow, "CircBends"},
    TBillKeyword{"BENDSRADIUS", btElbow, "BendsRadius"},
    TBillKeyword{"REDUCER", btReducer, "Reducer"},
    TBillKeyword{"REDUCERS", btReducer, "Reducers"},
    TBillKeyword{"TPIECE", btTPiece, "TPiece"},
    TBillKeyword{"T-PIECE", btTPiece},
    TBillKeyword{"T_PIECE", btTPiece, "T_Piece"},
    TBillKeyword{"TPIECES", btTPiece, "TPieces"},
    TBillKeyword{"T-PIECES", btTPiece},
    TBillKeyword{"T_PIECES", btTPiece, "T_Pieces"},
    TBillKeyword{"NIPPLE", btNipple, "Nipple"},
    TBillKeyword{"NIPPLES", btNipple, "Nipples"},
    TBillKeyword{"ROUNDSTOPEND", btRoundStopEnd, "RoundStopEnd"},
    TBillKeyword{"ROUNDSTOPENDS", btRoundStopEnd, "RoundStopEnds"},
    TBillKeyword{"STOPENDROUND", btRoundStopEnd, "StopEndRound"},
    TBillKeyword{"STOPEND_ROUND", btRoundStopEnd, "StopEnd_Round"},
    TBillKeyword{"X", btX},
    TBillKeyword{"TO", btTo},
    TBillKeyword{"DEG", btDeg},
    TBillKeyword{"DIA", btDia},
};

constexpr auto kSortedKeywords = [] {
  auto sorted = kKeywords;
  std::sort(sorted.begin(), sorted.end(),
            [](const TBillKeyword &a, const TBillKeyword &b) { return a.spelling < b.spelling; });
  return sorted;
}();

// The highlighter's spellings, in the table's order.
constexpr std::size_t kHighlightCount = static_cast<std::size_t>(
    std::count_if(kKeywords.begin(), kKeywords.end(),
                  [](const TBillKeyword &k) { return !k.highlight.empty(); }));
constexpr auto kHighlightSpellings = [] {
  std::array<std::string_view, kHighlightCount> spellings{};
  std::size_t i = 0;
  for (const TBillKeyword &k : kKeywords)
    if (!k.highlight.empty())
      spellings[i++] = k.highlight;
  return spellings;
}();

// Indexed by code. Item types read as the calculator's own keywords; the
// option words as the calculator writes them in its bill lines.
constexpr std::array<std::string_view, btDia + 1> kCanonicalNames{
    "",               // 0 identifier
    "",               // 1 number
    "",               // 2 other character
    ";",              // 3
    "{",              // 4
    "#",              // 5
    "Summary",        // 6
    "",               // 7 end
    "",               // 8 unused
    "GlobalSettings", // 9
    "(",
    ")",
    "=",
    "Erection",
    "Insulation",
    "InsThickness",
    "12.5mm",
    "25mm",
    "50mm",
    "Brackets",
    "Reinforcing",
    "ForceMezzFlanges",
    "LengthForceMezz",
    "AngleFlanges",
    "20x20x3",
    "30x30x3",
    "40x40x3",
    "40x40x5",
    "50x50x5",
    "Include",
    "Exclude",
    "Internal",
    "External",
    "Both",
    "None",
    "Gauge",
    "NumberOff",
    // Code 37 stands for any flange kind; the automatic choice is the one
    // spelling that says no more than the code itself.
    "AutoFlange",
    "Costs",
    "StraightRect", // 39
    "Setups",
    "Offsets",
    "RadiusBend",
    "VanedRadiusBend",
    "SquareBend",
    "VanedSquareBend",
    "SquareBendReducing",
    "VanedSquareBendReducing",
    "SquareToRound",
    "Taper",
    "Shoe",
    "SquareStopEnd",
    "SquareSpigot",
    "Collar",
    "CutIn",
    "YPiece",
    "UserType", // 56
    "Spiral",
    "RoundDuct",
    "RoundSpigot",
    "PlateSpigot",
    "Elbow",
    "Reducer",
    "TPiece",
    "Nipple",
    "RoundStopEnd", // 65
    "x",
    "To",
    "Deg",
    "Dia",
};

} // namespace

std::span<const TBillKeyword> BillKeywords() {
  return kKeywords;
}

namespace {

// A binary search of the table sorted at compile time: it runs once per word
// of a bill (a job has hundreds of thousands), and a constant needs no
// building and holds no state between tests. Null when the word is none.
const TBillKeyword *FindKeyword(std::string_view upperWord) {
  const auto found = std::lower_bound(
      kSortedKeywords.begin(), kSortedKeywords.end(), upperWord,
      [](const TBillKeyword &k, std::string_view word) { return k.spelling < word; });
  return found != kSortedKeywords.end() && found->spelling == upperWord ? &*found : nullptr;
}

} // namespace

TBillTokenCode LookupBillKeyword(std::string_view upperWord) {
  const TBillKeyword *found = FindKeyword(upperWord);
  return found ? found->code : btIdentifier;
}

std::span<const std::string_view> BillHighlightKeywords() {
  return kHighlightSpellings;
}

TBillWordKind BillWordKind(std::string_view word) {
  const TBillKeyword *found = FindKeyword(BillUpper(word));
  if (!found)
    return TBillWordKind::Plain;
  if (found->code == btCosts || found->code == btSummary || found->code == btGlobalSettings)
    return TBillWordKind::Section;
  return found->highlight.empty() ? TBillWordKind::Plain : TBillWordKind::Item;
}

std::string_view BillCanonicalName(int code) {
  if (code < 0 || code >= static_cast<int>(kCanonicalNames.size()))
    return {};
  return kCanonicalNames[static_cast<std::size_t>(code)];
}

std::string BillUpper(std::string_view word) {
  std::string up(word);
  for (char &c : up)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  return up;
}

} // namespace korvane
