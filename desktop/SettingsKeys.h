#pragma once
// Every key of the per-user settings files, spelled once: the calculator, the
// INI editor and the bill window read and write each other's keys (the bill
// window prices with the calculator's last cost file), so one spelling keeps
// them agreeing.
#include <QLatin1String>

namespace korvane::SettingsKeys {

// korvane.conf: the calculator's window place and size, group "Form".
inline constexpr QLatin1String kFormGroup{"Form"};
// korvane.conf, group "Settings": the cost file last loaded through the
// Options page, and whether the about box shows at start.
inline constexpr QLatin1String kLastCostFile{"Settings/LastCostFile"};
inline constexpr QLatin1String kSplashScreen{"Settings/SplashScreen"};
// korvane.conf: the window placement groups of the INI editor and the bill
// window, and the bill window's recent files.
inline constexpr QLatin1String kScrivelFormGroup{"ScrivelForm"};
inline constexpr QLatin1String kBillWindowGroup{"BillWindow"};
inline constexpr QLatin1String kBillRecentFiles{"BillForm/RecentFiles"};
// korvane.conf: the paper the bill window's PDF quotes are drawn on.
inline constexpr QLatin1String kBillPaper{"BillWindow/Paper"};
// Tarnwell.conf: the maker's contact details.
inline constexpr QLatin1String kMakerGroup{"Tarnwell"};

} // namespace korvane::SettingsKeys
