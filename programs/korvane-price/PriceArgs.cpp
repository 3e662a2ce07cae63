#include "programs/korvane-price/PriceArgs.h"

#include <charconv>

namespace korvane {

namespace {

constexpr unsigned kMaxJobs = 64;

constexpr std::string_view kUsageHead = R"(Usage: korvane-price TYPE [KEY=VALUE ...] [options]
       korvane-price --batch FILE [--csv] [options]
       korvane-price --bill FILE [@PRINTED@] [@FILES@] [options]
       korvane-price --takeoff FILE [--sheet NAME] [--bill-out FILE] [...]
       korvane-price --ifc FILE [--bill-out FILE] [...]

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
)";

constexpr std::string_view kUsageOptions = R"(  --erection        include erection
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
  --batch FILE      price one item per line of FILE ("-": standard input),
                    written TYPE KEY=VALUE ... as above; quotes keep blanks
                    inside a value or a whole word (Flange="35mm Mezz" or
                    "Flange=35mm Mezz"); empty lines and lines starting with '#'
                    are skipped. Writes one JSON object per item, with its
                    input line number as "line"; a bad line gives
                    {"line":N,"error":"..."} and the rest go on.
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
                    on standard error. Comment lines "; Field: value" above
                    the first item give the job's details (Customer,
                    Customer address, Project, Site, Reference, Quote
                    number, Date, Valid for, Discount, VAT, Prepared by);
                    a "#" line starts a section. Each and amount are printed
                    to the cent (amount = number x each) and add up to the
                    subtotals, Subtotal, Discount, VAT and Total.
  --company FILE    with --bill: the company the quotes are from, an INI
                    file with a [Company] group (Name, Address, Phone,
                    Email, Web, TaxNumber, Logo, Currency, ValidityDays,
                    VatPercent, Terms; lines of Address and Terms apart
                    with "|"); a file that does not load is an error
  --takeoff FILE    price a take-off (a spreadsheet saved as .xlsx or .csv,
                    comma or semicolon apart) exactly as --bill prices the
                    bill it becomes, with every --bill option and output.
                    Its header row (rows above it are skipped) names an
                    Item or Type column and size columns; a unit in
                    brackets is ignored, as in Width [mm]. Columns: Item,
                    Section, Qty (Number, Quantity, No. off), the item's
                    properties (Width, Height, Length, Angle, Width1,
                    Height1, Width2, Height2, Diameter, Radius, Vanes,
                    Plate, Reinforcing, Gauge, Flange, Insulation; choices
                    as the grid shows them, e.g. "25mm DuctWrap"),
                    Erection, Brackets (Include, Exclude, Yes, No) and
                    Comment; others are named on standard error and left
                    out. A row that cannot be priced is an error of the
                    job naming its row and column.
  --sheet NAME      with --takeoff: the XLSX's sheet to read (default: the
                    first with a take-off's header row, so a workbook of
                    --xlsx reads as it is)
  --ifc FILE        price the ductwork of a building model (IFC2X3 or IFC4,
                    a STEP file) exactly as --bill prices the bill it
                    becomes, with every --bill option and output. Duct
                    segments extruded from a rectangle or circle become
                    StraightRect and Spiral (else sized from their property
                    sets); bends, transitions and junctions become the
                    fittings their ports and connected ducts give. Sections
                    by storey, and by system within a storey; identical
                    items one line; each line names its GlobalIds. Any
                    other fitting is not priced, named by its GlobalId
  --bill-out FILE   with --takeoff or --ifc: also write the bill it becomes
)";

constexpr std::string_view kUsageTail = R"(  -h, --help        this text

Money ("%m") shows the number alone; set KORVANE_CURRENCY to a symbol (e.g.
KORVANE_CURRENCY=R) to put it in front.

Exit status: 0 priced; 1 the item (or any batch or bill line) could not be
priced: "Bad data..." or, in a batch or bill, a bad line or one the
calculator has no costing for (the rest are priced and totalled); 2 a usage
error, an unknown type or key, a refused value, a file that cannot be read
(nothing is printed on standard output for that item) or a quote that cannot
be written.
)";

struct TValueOption {
  std::string_view name;
  std::optional<std::string> TPriceArgs::*member;
};

constexpr TValueOption kValueOptions[] = {
    {"--costs", &TPriceArgs::Costs},        {"--data-dir", &TPriceArgs::DataDir},
    {"--item-file", &TPriceArgs::ItemFile}, {"--batch", &TPriceArgs::Batch},
    {"--bill", &TPriceArgs::Bill},          {"--company", &TPriceArgs::Company},
    {"--takeoff", &TPriceArgs::Takeoff},    {"--bill-out", &TPriceArgs::BillOut},
    {"--sheet", &TPriceArgs::Sheet},        {"--ifc", &TPriceArgs::Ifc},
};

struct TFlagOption {
  std::string_view name;
  bool TPriceArgs::*member;
};

constexpr TFlagOption kFlagOptions[] = {
    {"--erection", &TPriceArgs::Erection},
    {"--brackets", &TPriceArgs::Brackets},
    {"--help", &TPriceArgs::Help},
    {"-h", &TPriceArgs::Help},
};

// A format korvane-price writes: printed, or to a file; the PDF quote only
// the bill window draws.
bool Printed(const TJobFormat &format) {
  return format.Make && format.ToStandardOutput;
}
bool ToFile(const TJobFormat &format) {
  return format.Make && !format.ToStandardOutput;
}

// The value of an option written "--name=value" or "--name value"; false
// with `error` when there is none.
bool OptionValue(std::span<const std::string_view> args, std::size_t &i, std::string_view name,
                 std::string &value, std::string &error) {
  const std::string_view arg = args[i];
  const std::size_t eq = arg.find('=');
  if (eq != std::string_view::npos)
    value = std::string(arg.substr(eq + 1));
  else if (i + 1 < args.size())
    value = std::string(args[++i]);
  else
    value.clear();
  if (value.empty()) {
    error = "option " + std::string(name) + " needs a value";
    return false;
  }
  return true;
}

// Handles args[i] as an option; false with `error` when it is none we know.
// A second printed format goes to `clash`, for the check after parsing.
bool TakeOption(std::span<const std::string_view> args, std::size_t &i, TPriceArgs &out,
                const TJobFormat *&clash, std::string &error) {
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
    std::string value;
    if (!OptionValue(args, i, name, value, error))
      return false;
    out.*option.member = std::move(value);
    return true;
  }
  if (name.starts_with("--")) {
    const TJobFormat *format = FindJobFormat(name.substr(2));
    if (format && Printed(*format) && eq == std::string_view::npos) {
      if (!out.Print)
        out.Print = format;
      else if (out.Print != format)
        clash = format;
      return true;
    }
    if (format && ToFile(*format)) {
      TFileOutput file{format, {}};
      if (!OptionValue(args, i, name, file.Path, error))
        return false;
      out.Files.push_back(std::move(file));
      return true;
    }
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
  const TJobFormat *clash = nullptr;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && arg.size() > 1 && arg.front() == '-') {
      if (!TakeOption(args, i, out, clash, error))
        return false;
    } else {
      out.Item.push_back(arg);
    }
  }
  if (out.Help)
    return true;
  if (clash) {
    // Named in the table's order, whichever came first on the line.
    const bool inOrder = out.Print < clash;
    const TJobFormat &a = inOrder ? *out.Print : *clash;
    const TJobFormat &b = inOrder ? *clash : *out.Print;
    error =
        "--" + std::string(a.Name) + " and --" + std::string(b.Name) + " cannot be used together";
    return false;
  }
  if (out.Bill && out.Takeoff) {
    error = "give either --bill or --takeoff, not both";
    return false;
  }
  if (out.Ifc && (out.Bill || out.Takeoff)) {
    error =
        std::string("give either ") + (out.Bill ? "--bill" : "--takeoff") + " or --ifc, not both";
    return false;
  }
  if (out.Job() && (out.Batch || !out.Item.empty() || out.ItemFile || out.Jobs != 0)) {
    error = std::string(out.Bill      ? "--bill prices a bill"
                        : out.Takeoff ? "--takeoff prices a take-off"
                                      : "--ifc prices a model") +
            " alone: no item, --batch, --item-file or --jobs with it";
    return false;
  }
  if (out.BillOut && !out.Takeoff && !out.Ifc) {
    error = "--bill-out writes the bill of a --takeoff or --ifc";
    return false;
  }
  if (out.Sheet && !out.Takeoff) {
    error = "--sheet picks the sheet of a --takeoff";
    return false;
  }
  if (out.Company && !out.Job()) {
    error = "--company names the company of a --bill's quotes";
    return false;
  }
  if (!out.Files.empty() && !out.Job()) {
    const TJobFormat &format = *out.Files.front().Format;
    error = "--" + std::string(format.Name) + " writes " + std::string(format.Document) +
            " of a --bill";
    return false;
  }
  if (out.Batch && !out.Item.empty()) {
    error = "give either an item or --batch, not both";
    return false;
  }
  if (!out.Batch && !out.Job() && out.Item.empty()) {
    error = "no item type given";
    return false;
  }
  return true;
}

namespace {

// An option's name padded to its column, then its lines, each after the
// first indented to that column.
void AppendOption(std::string &out, std::string_view name, std::string_view lines) {
  constexpr std::size_t kColumn = 20;
  out += "  ";
  out += name;
  out.append(kColumn - 2 > name.size() ? kColumn - 2 - name.size() : 1, ' ');
  for (const char c : lines) {
    out += c;
    if (c == '\n')
      out.append(kColumn, ' ');
  }
  out += '\n';
}

std::string BuildUsage() {
  std::string printed, files;
  for (const TJobFormat &format : JobFormats()) {
    if (Printed(format))
      printed += (printed.empty() ? "--" : " | --") + std::string(format.Name);
    else if (ToFile(format))
      files += (files.empty() ? "--" : "] [--") + std::string(format.Name) + " FILE";
  }
  std::string usage(kUsageHead);
  usage.replace(usage.find("@PRINTED@"), 9, printed);
  usage.replace(usage.find("@FILES@"), 7, files);
  usage += kUsageOptions;
  for (const TJobFormat &format : JobFormats()) {
    if (Printed(format))
      AppendOption(usage, "--" + std::string(format.Name), format.Usage);
    else if (ToFile(format))
      AppendOption(usage, "--" + std::string(format.Name) + " FILE", format.Usage);
  }
  usage += kUsageTail;
  return usage;
}

} // namespace

std::string_view PriceUsage() {
  // Built once from constant texts: it never changes in a run.
  static const std::string usage = BuildUsage();
  return usage;
}

} // namespace korvane
