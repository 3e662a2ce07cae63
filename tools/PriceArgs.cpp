#include "tools/PriceArgs.h"

#include <charconv>

namespace korvane {

namespace {

constexpr unsigned kMaxJobs = 64;

struct TValueOption {
  std::string_view name;
  std::optional<std::string> TPriceArgs::*member;
};

constexpr TValueOption kValueOptions[] = {
    {"--costs", &TPriceArgs::Costs},        {"--data-dir", &TPriceArgs::DataDir},
    {"--item-file", &TPriceArgs::ItemFile}, {"--batch", &TPriceArgs::Batch},
    {"--bill", &TPriceArgs::Bill},          {"--html", &TPriceArgs::Html},
};

struct TFlagOption {
  std::string_view name;
  bool TPriceArgs::*member;
};

constexpr TFlagOption kFlagOptions[] = {
    {"--erection", &TPriceArgs::Erection}, {"--brackets", &TPriceArgs::Brackets},
    {"--json", &TPriceArgs::Json},         {"--csv", &TPriceArgs::Csv},
    {"--help", &TPriceArgs::Help},         {"-h", &TPriceArgs::Help},
};

// Handles args[i] as an option; false with `error` when it is none we know.
bool TakeOption(std::span<const std::string_view> args, std::size_t &i, TPriceArgs &out,
                std::string &error) {
  const std::string_view arg = args[i];
  for (const TFlagOption &flag : kFlagOptions) {
    if (arg == flag.name) {
      out.*flag.member = true;
      return true;
    }
  }
  const std::size_t eq = arg.find('=');
  const std::string_view name = arg.substr(0, eq);
  for (const TValueOption &option : kValueOptions) {
    if (name != option.name)
      continue;
    if (eq != std::string_view::npos) {
      out.*option.member = std::string(arg.substr(eq + 1));
    } else if (i + 1 < args.size()) {
      out.*option.member = std::string(args[++i]);
    } else {
      error = "option " + std::string(name) + " needs a value";
      return false;
    }
    if ((out.*option.member)->empty()) {
      error = "option " + std::string(name) + " needs a value";
      return false;
    }
    return true;
  }
  if (name == "--jobs") {
    std::string_view value;
    if (eq != std::string_view::npos)
      value = arg.substr(eq + 1);
    else if (i + 1 < args.size())
      value = args[++i];
    const auto res = std::from_chars(value.data(), value.data() + value.size(), out.Jobs);
    if (value.empty() || res.ec != std::errc() || res.ptr != value.data() + value.size() ||
        out.Jobs < 1 || out.Jobs > kMaxJobs) {
      error = "option --jobs needs a number from 1 to " + std::to_string(kMaxJobs);
      return false;
    }
    return true;
  }
  error = "unknown option '" + std::string(arg) + "'";
  return false;
}

} // namespace

bool ParsePriceArgs(std::span<const std::string_view> args, TPriceArgs &out, std::string &error) {
  bool options = true;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && arg.size() > 1 && arg.front() == '-') {
      if (!TakeOption(args, i, out, error))
        return false;
    } else {
      out.Item.push_back(arg);
    }
  }
  if (out.Help)
    return true;
  if (out.Json && out.Csv) {
    error = "--json and --csv cannot be used together";
    return false;
  }
  if (out.Bill && (out.Batch || !out.Item.empty() || out.ItemFile || out.Jobs != 0)) {
    error = "--bill prices a bill alone: no item, --batch, --item-file or --jobs with it";
    return false;
  }
  if (out.Html && !out.Bill) {
    error = "--html writes the quote of a --bill";
    return false;
  }
  if (out.Batch && !out.Item.empty()) {
    error = "give either an item or --batch, not both";
    return false;
  }
  if (!out.Batch && !out.Bill && out.Item.empty()) {
    error = "no item type given";
    return false;
  }
  return true;
}

std::string_view PriceUsage() {
  return R"(Usage: korvane-price TYPE [KEY=VALUE ...] [options]
       korvane-price --batch FILE [--csv] [options]
       korvane-price --bill FILE [--json | --csv] [--html QUOTE] [options]

Prices one duct item with the calculator's own rules and prints its report:
the Details lines, an empty line, the status-bar text, the rates text and the
two bill lines.

TYPE      an item type by keyword or name, case ignored: StraightRect,
          RadiusBend, SquareBend, SquareBendReducing, SquareToRound, Taper,
          SquareStopEnd, YPiece, Spiral, RoundSpigot, Elbow, Reducer, TPiece,
          Nipple, RoundStopEnd (or "Straight Rectangular", "Y-Piece", ...).
KEY=VALUE a property of that type (case ignored), e.g. Width=800. Numbers
          must lie in the row's range (0.5 % beyond a bound is accepted);
          choices take an item as the grid shows it (Gauge=1.0 or Gauge=1,
          Flange="35mm Mezz", Radius=1.5Dia, Vanes=yes). Properties not given
          keep their start values (or those of --item-file).

Options:
  --erection        include erection
  --brackets        include brackets
  --costs FILE      cost file (default: "../Data Files/Default.cst" beside the
                    program folder); a file that does not load is an error
  --data-dir DIR    folder holding Fittings.ini (default: the maker's shared
                    data folder "Common Files" in the maker's folder, which
                    is the program folder's path up to the first "Tarnwell"
                    (any case) followed by "Tarnwell/", or "/opt/Tarnwell/"
                    when that path holds no "Tarnwell"); without Fittings.ini
                    there, round fittings are priced without list prices and
                    a warning on standard error names the path looked for
  --item-file F     start every type from the values in item file F (.kvd)
  --json            print one JSON object: type, values (property key to the
                    number read; choices as item indexes), price, area,
                    insulation_area, weight, centre_length, gauge, flange,
                    details, status, rates, summary, bill; after "Bad
                    data..." gauge and flange are null, and so are rates,
                    summary and bill; "warnings" (a list of texts) only
                    when there are any
  --batch FILE      price one item per line of FILE ("-": standard input),
                    written TYPE KEY=VALUE ... as above; quotes keep blanks
                    inside a value or a whole word (Flange="35mm Mezz" or
                    "Flange=35mm Mezz"); empty lines and lines starting with '#'
                    are skipped. Writes one JSON object per item, with its
                    input line number as "line"; a bad line gives
                    {"line":N,"error":"..."} and the rest go on.
  --csv             a header, then one CSV row per item (CR LF
                    line ends). Columns: line, type, one column per property
                    key of all types (Width, Height, Length, Gauge, Flange,
                    Insulation, Angle, Vanes, Width1, Width2, Diameter,
                    Height1, Height2, Reinforcing, Plate, Radius; empty where
                    the type has no such key; choices as item indexes), price,
                    area, insulation_area, weight, gauge_used, flange_used,
                    status, warnings. A bad line has only line and
                    "error: ..." status.
  --jobs N          with --batch: price on N threads (default: one per
                    processor); the output keeps the input's order
  --bill FILE       price a whole bill (a .dct file; "-": standard input) as
                    one job: each number line of each item entry is priced
                    with the rows and solve above, times its number off.
                    Its "Costs = FILE" line (relative to the bill's folder)
                    names the cost file unless --costs is given;
                    --erection and --brackets are defaults that the bill's
                    GlobalSettings and an item's own options override.
                    Prints one line per priced line (line, item, sizes,
                    number off, price of one, amount, gauge, area and weight
                    of one), the total price, the sheet area and weight per
                    gauge, the insulation per kind and thickness, the counts
                    and the lines not priced or in error. --json prints one
                    object (items, totals, sheets, insulation, not_priced,
                    errors, counts); --csv the --batch columns plus quantity
                    and extended_price for each priced line, the others told
                    on standard error.
  --html FILE       with --bill: also write a printable quote page to FILE
  -h, --help        this text

Money ("%m") shows the number alone; set KORVANE_CURRENCY to a symbol (e.g.
KORVANE_CURRENCY=R) to put it in front.

Exit status: 0 priced; 1 the item (or any batch or bill line) could not be
priced: "Bad data..." or, in a batch or bill, a bad line or one the
calculator has no costing for (the rest are priced and totalled); 2 a usage
error, an unknown type or key, a refused value, a file that cannot be read
(nothing is printed on standard output for that item) or a quote that cannot
be written.
)";
}

} // namespace korvane
