// The pull-down list of an enumeration row under the mouse, with clicks
// that come through the window as the user's do: the open list sees every
// click of the application, closes on a click on its own button or cell,
// and hands any other click on to what it was meant for.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>

#include "controls/ui/EntryGrid.h"
#include "controls/ui/EntryGridEditors.h"
#include "tests/support/UiTest.h"

namespace korvane::test {
namespace {

constexpr int kWidth = 1, kVanes = 2, kGauge = 3;

class EntryGridListClickTest : public TUiTest {
protected:
  void SetUp() override {
    TUiTest::SetUp();
    host = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(host.get());
    tabs = new QTabWidget(host.get());
    grid = new TEntryGrid(sink);
    tabs->addTab(grid, QStringLiteral("Options"));
    tabs->addTab(new QLabel(QStringLiteral("Details")), QStringLiteral("Details"));
    button = new QPushButton(QStringLiteral("Solve"), host.get());
    layout->addWidget(tabs);
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, [this] { ++solves; });
    grid->SetLines({"Property; Value; Units", "Width; %0.0f; mm; NPE; 100; 2400",
                    "Vanes; enum;; No; Yes",
                    "Gauge; enum;; Auto; 0.6; 0.8; 1.0; 1.2; 1.6; 2.0; 2.4; 3.0"});
    grid->SetData(1, kWidth, Variant(600.0));
    grid->SetData(1, kVanes, Variant(std::int32_t{0}));
    grid->SetData(1, kGauge, Variant(std::int32_t{0}));
    grid->SetColWidths(1, 120);
    grid->OnDoSetData = [this](QObject *, int, int r) { commits.push_back(r); };
    host->setGeometry(100, 100, 320, 260);
    ShowActive(*host);
    grid->setFocus();
    grid->FocusCell(1, kGauge);
    Settle();
  }
  void TearDown() override {
    other.reset();
    host.reset();
    TUiTest::TearDown();
  }

  // A press or a release at `pos` of `w`, delivered to its window as the
  // window system delivers it: an open pop-up list gets it first.
  static void Mouse(QEvent::Type type, QWidget *w, QPoint pos) {
    QWindow *window = w->window()->windowHandle();
    const QPoint at = w->mapTo(w->window(), pos);
    if (type == QEvent::MouseButtonPress)
      QTest::mousePress(window, Qt::LeftButton, {}, at);
    else
      QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    Settle();
  }
  static void Click(QWidget *w, QPoint pos) {
    Mouse(QEvent::MouseButtonPress, w, pos);
    Mouse(QEvent::MouseButtonRelease, w, pos);
  }
  QWidget *PullButton() const { return grid->PullDownButton(); }
  QPoint ButtonCentre() const { return PullButton()->rect().center(); }
  QPoint Cell(int col, int row) const { return grid->CellRect(col, row).center(); }
  bool ListOpen() const { return grid->ListBox()->isVisible(); }
  void OpenByClick() {
    Click(PullButton(), ButtonCentre());
    ASSERT_TRUE(ListOpen()) << "a click on the pull-down button opens the list";
  }

  TRecordingSink sink;
  std::unique_ptr<QWidget> host;
  std::unique_ptr<QWidget> other;
  QTabWidget *tabs = nullptr;
  TEntryGrid *grid = nullptr;
  QPushButton *button = nullptr;
  int solves = 0;
  std::vector<int> commits;
};

TEST_F(EntryGridListClickTest, AClickOnItsButtonOrCellClosesItOnTheRelease) {
  OpenByClick();
  // On the button: the press waits, the release closes, nothing reopens it.
  Mouse(QEvent::MouseButtonPress, PullButton(), ButtonCentre());
  EXPECT_TRUE(ListOpen());
  Mouse(QEvent::MouseButtonRelease, PullButton(), ButtonCentre());
  EXPECT_FALSE(ListOpen());
  EXPECT_EQ(QApplication::focusWidget(), grid);

  // On the row's value cell, away from the button: the same.
  OpenByClick();
  const QPoint valueCell = grid->CellRect(1, kGauge).topLeft() + QPoint(4, 4);
  Mouse(QEvent::MouseButtonPress, grid->viewport(), valueCell);
  EXPECT_TRUE(ListOpen());
  Mouse(QEvent::MouseButtonRelease, grid->viewport(), valueCell);
  EXPECT_FALSE(ListOpen());
  EXPECT_EQ(QApplication::focusWidget(), grid);
  EXPECT_EQ(grid->Row(), kGauge);
  EXPECT_FALSE(grid->EditorOpen());
  EXPECT_TRUE(commits.empty()) << "opening and closing stores nothing";
  EXPECT_EQ(grid->Cells(1, kGauge), "Auto");
}

TEST_F(EntryGridListClickTest, AClickElsewhereClosesItAndDoesWhatItWasMeantFor) {
  // Another cell: selected by the same click.
  OpenByClick();
  Click(grid->viewport(), Cell(1, kWidth));
  EXPECT_FALSE(ListOpen());
  EXPECT_EQ(grid->Row(), kWidth);
  EXPECT_FALSE(grid->EditorOpen()) << "the first click selects, as on entering the grid";

  // Another enumeration row's value cell: selected too.
  grid->FocusCell(1, kGauge);
  OpenByClick();
  Click(grid->viewport(), Cell(1, kVanes));
  EXPECT_FALSE(ListOpen());
  EXPECT_EQ(grid->Row(), kVanes);

  // Another control of the window: it gets its click, once.
  OpenByClick();
  Click(button, button->rect().center());
  EXPECT_FALSE(ListOpen());
  EXPECT_EQ(solves, 1);

  // Another tab.
  grid->FocusCell(1, kGauge);
  OpenByClick();
  QTabBar *bar = tabs->tabBar();
  Click(bar, bar->tabRect(1).center());
  EXPECT_FALSE(ListOpen());
  EXPECT_EQ(tabs->currentIndex(), 1);
  EXPECT_TRUE(commits.empty());
}

TEST_F(EntryGridListClickTest, AnotherWindowOrTheFocusGoingElsewhereClosesIt) {
  other = std::make_unique<QWidget>();
  other->setGeometry(500, 100, 200, 100);
  other->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(other.get()));
  QApplication::setActiveWindow(host.get());
  OpenByClick();
  // A click on the other window goes there and closes the list.
  Click(other.get(), other->rect().center());
  EXPECT_FALSE(ListOpen());

  // Whatever takes the focus from the list closes it.
  QApplication::setActiveWindow(host.get());
  grid->setFocus();
  OpenByClick();
  button->setFocus(Qt::OtherFocusReason);
  Settle();
  EXPECT_FALSE(ListOpen());
  EXPECT_TRUE(commits.empty());
}

} // namespace
} // namespace korvane::test
