#pragma once
// The bill a model's duct take-off becomes, written as the bill language
// writes it by hand, so it prices exactly as a typed bill:
//
//   ; Ductwork of building model 'office.ifc' (IFC4, lengths in millimetre)
//   ; Project: Harbour Road offices
//
//   # Level 1 - Supply Air
//   StraightRect (NumberOff=2)
//   	-	800  500  2.400  ; 2O2Fr$t4X7Zf8NOew3FLOH, 1hqIFTRjfV6AWq_bMtnZwI
//   RadiusBend
//   	-	800  500  90  1  ; 0EI0MSHbX9gg8Fxwar7lL8
//   ; not priced: IfcDuctFitting 3Ax... 'Damper': the calculator has ...
//
// A section is a storey, or a system within a storey. Identical items of a
// section are one line with their number off; every line names in its
// comment the GlobalIds it came from, so each can be found in the model.
#include <string>
#include <vector>

#include "bill/model/IfcTakeoff.h"

namespace korvane {

struct TModelNote {
  int BillLine = 0;      // the comment line that stands for it; 0 for the model
  std::string Keyword;   // "IfcDuctFitting" as the model names the element
  std::string Text;      // "3Ax... 'Damper': why it is not priced"
  bool NotPriced = true; // false: a note on the model only
};

struct TModelBill {
  std::string Text;
  std::vector<TModelNote> Notes;
  std::size_t Lines = 0; // item lines written

  // "model elements 0D...": what item line `line` was made from; empty for
  // any other line.
  std::string_view Source(int line) const;

  struct TSource {
    int Line = 0;
    std::size_t At = 0, Size = 0; // of its GlobalIds in Text
  };
  std::vector<TSource> Sources; // in line order
};

// `source`: the model's file name as the first line names it.
TModelBill WriteModelBill(const TModelTakeoff &takeoff, std::string_view source);

} // namespace korvane
