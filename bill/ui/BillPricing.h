#pragma once
// How a bill is priced on this desktop, with its window or without one
// (korvane-bill --export): the program's folders and currency, the cost file
// the calculator used last for a bill that names none, and the company the
// quotes are from.
#include <QString>

#include <string>

#include "bill/job/BillTextJob.h"
#include "bill/ui/BillServices.h"

namespace korvane {

// The cost file the calculator used last, a relative name taken from the
// program's folder; empty when none is remembered.
std::string BillFallbackCostFile(const TBillServices &services);

// The job for the bill at `billPath` (empty for a new bill).
TBillTextJob BillPriceRequest(const TBillServices &services, const QString &billPath,
                              const TCompanyProfile &company);

// The bill's file name as its quote is titled ("Untitled.dct" for a new one).
QString BillFileName(const QString &billPath);

} // namespace korvane
