#pragma once
// The INI editor's printer: fixed page margins (left 25 mm, right 15 mm, top
// and bottom 25 mm), a header with the file name and a footer with the page
// number, each 15 mm from the paper's edge in Arial 10 points.
#include <Qsci/qsciprinter.h>

namespace korvane {

class TScrivelPrinter : public QsciPrinter {
public:
  TScrivelPrinter();

  void SetHeaderText(const QString &text) { header_ = text; }
  // Whether there is something to print on: a named printer, or a file for
  // PDF output.
  bool HasTarget() const;

  void formatPage(QPainter &painter, bool drawing, QRect &area, int pagenr) override;

private:
  int MmToPixels(double mm, bool vertical) const;
  QString header_;
};

} // namespace korvane
