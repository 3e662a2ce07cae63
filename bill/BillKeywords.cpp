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
    TBillKeyword{"STRAIGHTRECT", btStraightRect},
    TBillKeyword{"STRAIGHT_RECT", btStraightRect},
    TBillKeyword{"STRAIGHT", btStraightRect},
    TBillKeyword{"STRAIGHT_RECTANGULAR_DUCT", btStraightRect},
    TBillKeyword{"STRAIGHTRECTANGULARDUCT", btStraightRect},
    TBillKeyword{"RECTANGULARSTRAIGHTDUCTING", btStraightRect},
    TBillKeyword{"RECTANGULAR_STRAIGHT_DUCTING", btStraightRect},
    TBillKeyword{"SETUP/DN'S", btSetups},
    TBillKeyword{"SETUP", btSetups},
    TBillKeyword{"SETUPS", btSetups},
    TBillKeyword{"SETDOWN", btSetups},
    TBillKeyword{"SETUPDOWN", btSetups},
    TBillKeyword{"SETUP_DOWN", btSetups},
    TBillKeyword{"OFFSETS", btOffsets},
    TBillKeyword{"OFFSET", btOffsets},
    TBillKeyword{"RADIUSBEND", btRadiusBend},
    TBillKeyword{"RADIUS_BEND", btRadiusBend},
    TBillKeyword{"VANEDRADIUSBEND", btVanedRadiusBend},
    TBillKeyword{"VANED_RADIUS_BEND", btVanedRadiusBend},
    TBillKeyword{"BENDSVANEDRADIUS", btVanedRadiusBend},
    TBillKeyword{"SQUAREBEND", btSquareBend},
    TBillKeyword{"SQUARE_BEND", btSquareBend},
    TBillKeyword{"VANEDSQUAREBEND", btVanedSquareBend},
    TBillKeyword{"VANED_SQUARE_BEND", btVanedSquareBend},
    TBillKeyword{"BENDSVANEDSQUARE", btVanedSquareBend},
    TBillKeyword{"SQUAREBENDREDUCING", btSquareBendReducing},
    TBillKeyword{"SQUARE_BEND_REDUCING", btSquareBendReducing},
    TBillKeyword{"REDUCINGSQUAREBEND", btSquareBendReducing},
    TBillKeyword{"SQUAREBENDRED", btSquareBendReducing},
    TBillKeyword{"REDUCING_SQUARE_BEND", btSquareBendReducing},
    TBillKeyword{"VANEDSQUAREBENDREDUCING", btVanedSquareBendReducing},
    TBillKeyword{"VANED_SQUARE_BEND_REDUCING", btVanedSquareBendReducing},
    TBillKeyword{"REDUCINGVANEDSQUAREBEND", btVanedSquareBendReducing},
    TBillKeyword{"REDUCING_VANED_SQUARE_BEND", btVanedSquareBendReducing},
    TBillKeyword{"VANEDSQUAREBENDRED", btVanedSquareBendReducing},
    TBillKeyword{"BENDSVANEDSQUAREREDUCING", btVanedSquareBendReducing},
    TBillKeyword{"SQUARE2ROUND", btSquareToRound},
    TBillKeyword{"SQUARETOROUND", btSquareToRound},
    TBillKeyword{"SQUARE_TO_ROUND", btSquareToRound},
    TBillKeyword{"SQUARETOROUNDS", btSquareToRound},
    TBillKeyword{"TAPER", btTaper},
    TBillKeyword{"TAPERS", btTaper},
    TBillKeyword{"SHOE", btShoe},
    TBillKeyword{"SHOES", btShoe},
    TBillKeyword{"STOPEND", btSquareStopEnd},
    TBillKeyword{"STOPENDS", btSquareStopEnd},
    TBillKeyword{"STOPEND_SQUARE", btSquareStopEnd},
    TBillKeyword{"SQUARESTOPEND", btSquareStopEnd},
    TBillKeyword{"SQUARESTOPENDS", btSquareStopEnd},
    TBillKeyword{"SQUARESPIGOT", btSquareSpigot},
    TBillKeyword{"SPIGOT_SQUARE", btSquareSpigot},
    TBillKeyword{"COLLAR", btCollar},
    TBillKeyword{"COLLARS", btCollar},
    TBillKeyword{"CUTIN", btCutIn},
    TBillKeyword{"CUTINS", btCutIn},
    TBillKeyword{"WYEPIECE", btYPiece},
    TBillKeyword{"TROUSER", btYPiece},
    TBillKeyword{"YPIECE", btYPiece},
    TBillKeyword{"SPIRAL", btSpiral},
    TBillKeyword{"SPIRALS", btSpiral},
    TBillKeyword{"STRAIGHTCIRC", btRoundDuct},
    TBillKeyword{"ROUNDSTRAIGHTDUCTING", btRoundDuct},
    TBillKeyword{"ROUNDDUCT", btRoundDuct},
    TBillKeyword{"ROUNDSPIGOT", btRoundSpigot},
    TBillKeyword{"ROUNDSPIGOTS", btRoundSpigot},
    TBillKeyword{"SPIGOT", btRoundSpigot},
    TBillKeyword{"SPIGOTS", btRoundSpigot},
    TBillKeyword{"PLATESPIGOT", btPlateSpigot},
    TBillKeyword{"PLATESPIGOTS", btPlateSpigot},
    TBillKeyword{"SPIGOTWITHPLATE", btPlateSpigot},
    TBillKeyword{"SPIGOT_WITH_PLATE", btPlateSpigot},
    TBillKeyword{"ELBOW", btElbow},
    TBillKeyword{"ELBOWS", btElbow},
    TBillKeyword{"CIRCBEND", btElbow},
    TBillKeyword{"CIRCBENDS", btElbow},
    TBillKeyword{"BENDSRADIUS", btElbow},
    TBillKeyword{"REDUCER", btReducer},
    TBillKeyword{"REDUCERS", btReducer},
    TBillKeyword{"TPIECE", btTPiece},
    TBillKeyword{"T-PIECE", btTPiece},
    TBillKeyword{"T_PIECE", btTPiece},
    TBillKeyword{"TPIECES", btTPiece},
    TBillKeyword{"T-PIECES", btTPiece},
    TBillKeyword{"T_PIECES", btTPiece},
    TBillKeyword{"NIPPLE", btNipple},
    TBillKeyword{"NIPPLES", btNipple},
    TBillKeyword{"ROUNDSTOPEND", btRoundStopEnd},
    TBillKeyword{"ROUNDSTOPENDS", btRoundStopEnd},
    TBillKeyword{"STOPENDROUND", btRoundStopEnd},
    TBillKeyword{"STOPEND_ROUND", btRoundStopEnd},
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

TBillTokenCode LookupBillKeyword(std::string_view upperWord) {
  // A binary search of the table sorted at compile time: it runs once per
  // word of a bill (a job has hundreds of thousands), and a constant needs no
  // building and holds no state between tests.
  const auto found = std::lower_bound(
      kSortedKeywords.begin(), kSortedKeywords.end(), upperWord,
      [](const TBillKeyword &k, std::string_view word) { return k.spelling < word; });
  if (found != kSortedKeywords.end() && found->spelling == upperWord)
    return found->code;
  return btIdentifier;
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
