#ifndef KORVANE_DESKTOP_FONTWARMUP_H
#define KORVANE_DESKTOP_FONTWARMUP_H

#include <future>
#include <thread>

namespace korvane {

// Loads the fonts on a second core while the program connects to the
// display, reads its data and builds its first window. On a desktop with
// many fonts that is the largest single cost of a start, and a window with
// text waits for it before it can lay itself out.
//
//   TFontWarmUp fonts;                            // before the QApplication
//   QApplication app(argc, argv);
//   std::jthread fill = fonts.FillDatabase();     // ends before app does
//   ... read the data ...
//   fonts.Wait();                                 // before any font is read
//
// The first step loads fontconfig's configuration and touches nothing of
// Qt's. Wait() keeps the window from asking for a font before it is in:
// two threads that each found no configuration would each load one. The
// second step fills Qt's font database, which Qt guards itself: whichever
// thread asks first does the work and the other waits for it. (Fonts
// themselves are not loaded ahead: Qt keeps them per thread.)
class TFontWarmUp {
public:
  TFontWarmUp();
  ~TFontWarmUp();
  TFontWarmUp(const TFontWarmUp &) = delete;
  TFontWarmUp &operator=(const TFontWarmUp &) = delete;

  // Once the QGuiApplication exists: fills its font database once the
  // configuration is in. The thread it returns must end before the
  // application does.
  [[nodiscard]] std::jthread FillDatabase() const;
  // Returns once the configuration is loaded.
  void Wait() const;

private:
  std::shared_future<void> configured_;
  std::thread thread_;
};

} // namespace korvane

#endif
