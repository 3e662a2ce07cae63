#include "costs/ui/RefDatePicker.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QLocale>
#include <cmath>

namespace korvane {

namespace {

const QDate kDayZero(1899, 12, 30);

// A two-digit year cannot show a date of another century, so the short
// format is widened to four digits.
QString ShortDateFormatWithCentury() {
  QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy")))
    format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return format;
}

double TimeOfDay(double refDate) {
  if (!std::isfinite(refDate))
    return 0.0;
  return std::fabs(refDate - std::trunc(refDate));
}

} // namespace

QDate DateOfRefDate(double refDate) {
  // Dates before day zero count their time of day forwards too, so the day
  // is the value cut towards zero, not rounded down.
  if (!std::isfinite(refDate) || std::fabs(refDate) > 3.0e6)
    return {};
  return kDayZero.addDays(static_cast<qint64>(std::trunc(refDate)));
}

double RefDateOfDate(const QDate &date) {
  return static_cast<double>(kDayZero.daysTo(date));
}

TRefDatePicker::TRefDatePicker(QWidget *parent) : QDateEdit(parent) {
  setCalendarPopup(true);
  setDisplayFormat(ShortDateFormatWithCentury());
  // The pop-up is made once; its showing and hiding are the drop-down and
  // the close-up.
  if (QCalendarWidget *calendar = calendarWidget())
    calendar->window()->installEventFilter(this);
  connect(this, &QDateEdit::dateChanged, this, [this] { changedSinceDrop_ = true; });
}

void TRefDatePicker::SetRefDate(double refDate) {
  shownRefDate_ = refDate;
  const QDate date = DateOfRefDate(refDate);
  setDate(date.isValid() ? date : kDayZero);
  shownDate_ = this->date();
}

double TRefDatePicker::RefDate() const {
  if (date() == shownDate_)
    return shownRefDate_;
  return RefDateOfDate(date()) + TimeOfDay(shownRefDate_);
}

void TRefDatePicker::CalendarDroppedDown() {
  droppedDate_ = date();
  changedSinceDrop_ = false;
}

void TRefDatePicker::CalendarClosedUp() {
  if (droppedDate_.isValid() && date() != droppedDate_ && !changedSinceDrop_)
    setDate(droppedDate_);
}

bool TRefDatePicker::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::Show)
    CalendarDroppedDown();
  else if (event->type() == QEvent::Hide)
    CalendarClosedUp();
  return QDateEdit::eventFilter(watched, event);
}

} // namespace korvane
