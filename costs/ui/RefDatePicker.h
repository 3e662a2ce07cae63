#pragma once
// The cost editor's reference date: a date-only picker with a drop-down
// calendar, shown in the user's short date format. It edits a date value
// counted in days from 30 December 1899 and gives back exactly the value it
// was given while the user leaves the date alone, time of day included.
#include <QDate>
#include <QDateEdit>

namespace korvane {

// The calendar day of a date value (the fraction is the time of day); an
// invalid date for a value that is no day a calendar shows.
QDate DateOfRefDate(double refDate);
// The date value of the start of `date`.
double RefDateOfDate(const QDate &date);

class TRefDatePicker : public QDateEdit {
  Q_OBJECT
public:
  explicit TRefDatePicker(QWidget *parent = nullptr);

  void SetRefDate(double refDate);
  // The value given to SetRefDate while the shown day is the one it gave;
  // otherwise the chosen day with the original time of day.
  double RefDate() const;

  // The calendar's drop-down and close-up. Dropping down remembers the date;
  // closing up puts it back when the date moved without the picker having
  // reported a change, so a stray close-up never changes the date.
  void CalendarDroppedDown();
  void CalendarClosedUp();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  double shownRefDate_ = 0.0;
  QDate shownDate_;
  QDate droppedDate_;
  bool changedSinceDrop_ = false;
};

} // namespace korvane
