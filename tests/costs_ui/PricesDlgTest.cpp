// The cost editor's showing, OK, Cancel, Open, Save and keys.
#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "base/FileIO.h"
#include "base/NumberText.h"
#include "costs/ui/RefDatePicker.h"
#include "tests/costs_ui/PricesDlgFixture.h"

namespace korvane {
namespace {

using PricesDlgTest = test::TPricesDlgTest;

TEST_F(PricesDlgTest, ShowingSetsTheCaptionAndFillsEveryField) {
  fileName = "../Data Files/Default.cst";
  costs.MWaste = 1.15;
  auto dlg = MakeDlg();
  EXPECT_EQ(dlg->windowTitle(), "Costs");
  Show(*dlg);
  EXPECT_EQ(dlg->windowTitle(), "Costs : ../Data Files/Default.cst");
  EXPECT_TRUE(sink.messages.empty());

  const struct {
    const char *field, *text;
  } shown[] = {{"CMnfRate", "14.5"},
               {"CManufRate", "125.0"},
               {"CMWaste", "1.15"},
               {"CSpiralFittingFact", "1.0"},
               {"CCornerCost", "1.0"}};
  for (const auto &s : shown)
    EXPECT_EQ(dlg->Field(s.field)->text(), s.text) << s.field;
  EXPECT_EQ(dlg->RefDatePicker()->date(), QDate(2000, 1, 1));

  QTabWidget *pages = dlg->Pages();
  EXPECT_EQ(pages->tabPosition(), QTabWidget::South);
  QStringList names;
  for (int i = 0; i < pages->count(); ++i)
    names << pages->tabText(i);
  EXPECT_EQ(names.join(','), "Rates,Spiral,Flanges,Misc,Insul,Factors");
  EXPECT_EQ(dlg->InsertBtn()->toolTip(), "Insert cost filename into source page");

  // Each field sits in its group, beside its label and unit.
  auto *waste = dlg->Field("CMWaste");
  EXPECT_EQ(qobject_cast<QGroupBox *>(waste->parentWidget())->title(), "Factors");
  QStringList labels;
  for (QLabel *l : waste->parentWidget()->findChildren<QLabel *>())
    labels << l->text();
  EXPECT_TRUE(labels.contains("Metal waste"));
  EXPECT_TRUE(labels.contains("(Rect only)"));
  dlg->reject();
}

TEST_F(PricesDlgTest, ButtonsAndGreyNotesReadWordForWordInTheirPlaces) {
  auto dlg = MakeDlg();
  Show(*dlg);
  const auto at = [&dlg](const QWidget *w) { return w->mapTo(dlg.get(), QPoint()); };

  // The column on the right of the pages, top to bottom.
  const std::pair<QPushButton *, const char *> column[] = {{dlg->OkBtn(), "&OK"},
                                                           {dlg->CancelBtn(), "&Cancel"},
                                                           {dlg->OpenBtn(), "&Open"},
                                                           {dlg->SaveBtn(), "&Save"},
                                                           {dlg->InsertBtn(), "&Insert"}};
  int y = -1;
  for (const auto &[button, caption] : column) {
    EXPECT_EQ(button->text().toStdString(), caption);
    EXPECT_GT(at(button).y(), y) << caption;
    EXPECT_GT(at(button).x(), at(dlg->Pages()).x() + dlg->Pages()->width()) << caption;
    y = at(button).y();
  }

  // The Spiral page's picture buttons, left to right, known by their hints.
  dlg->Pages()->setCurrentIndex(1);
  Settle(); // lays the page out
  QList<QToolButton *> pictures = dlg->Pages()->widget(1)->findChildren<QToolButton *>();
  std::sort(pictures.begin(), pictures.end(),
            [&at](QToolButton *a, QToolButton *b) { return at(a).x() < at(b).x(); });
  QStringList hints;
  for (const QToolButton *b : pictures)
    hints << b->toolTip() + (b->icon().isNull() ? " (no picture)" : "");
  EXPECT_EQ(hints.join(", ").toStdString(),
            "View Fittings Prices, Print Fittings Price List, Edit Fittings Price List, "
            "Read Fittings File, Reset Fittings Price List");

  // Every grey note: its page, whether it sits inside the page's group, its text.
  QStringList notes;
  for (int page = 0; page < dlg->Pages()->count(); ++page)
    for (const QLabel *l : dlg->Pages()->widget(page)->findChildren<QLabel *>())
      if (l->palette().color(QPalette::WindowText) == QColor(Qt::gray))
        notes << dlg->Pages()->tabText(page) +
                     (qobject_cast<QGroupBox *>(l->parentWidget()) ? " group: " : ": ") + l->text();
  EXPECT_EQ(notes.join('\n').toStdString(),
            "Rates: The manufacturing labour cost is used in Square to Round calculations only.  "
            "Spiral fittings allow for labour in the list price.\n"
            "Spiral group: Spiral fitting costs can be adjusted by applying a spiral fittings "
            "factor.  For example, 1.15 would increase the cost of all fittings by 15%.\n"
            "Factors: These factors are multipliers to the value.  For example, a factor of 1.05 "
            "applied to a Square to Round would increase its calculated price by 5%.  A typical "
            "metal waste factor would be entered as 1.15 to give a 15% offcut waste.");
  dlg->reject();
}

TEST_F(PricesDlgTest, OkWithoutAFileNameKeepsTheValuesInMemoryOnly) {
  auto dlg = MakeDlg();
  Show(*dlg);
  Type(*dlg, "CMnfRate", "15.25");
  dlg->OkBtn()->click();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), kPricesOk);
  EXPECT_EQ(costs.MnfRate, 15.25);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(QDir(Dir()).entryList(QDir::Files), QStringList());
}

TEST_F(PricesDlgTest, OkStoresWhatIsShownAndNeverRoundsAValue) {
  TCostRec odd = DefaultCosts();
  odd.RefDate = 40000.75; // a reference date with a time of day
  odd.MnfRate = 1.0 / 3.0;
  odd.ClampCost = 123456.789012345;
  odd.Markup = 1e-7;
  odd.Sq2RFactor = 1.05;
  fileName = CostFile("odd.cst", odd);
  ASSERT_TRUE(LoadCostFile(fileName, costs, sink));
  auto dlg = MakeDlg();
  Show(*dlg);
  Type(*dlg, "CMWaste", "1.15");
  EXPECT_EQ(dlg->Field("CMWaste")->text(), "1.15");
  dlg->OkBtn()->click();
  ASSERT_EQ(dlg->result(), kPricesOk);

  // Each value comes back as it was, up to its 15th significant digit (where
  // 1/3 ends), the reference date and its time of day exactly.
  TCostRec reloaded{};
  ASSERT_TRUE(LoadCostFile(fileName, reloaded, sink));
  odd.MWaste = 1.15;
  ASSERT_TRUE(ReadNumber("0.333333333333333", odd.MnfRate));
  EXPECT_EQ(reloaded, odd);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PricesDlgTest, AFailedSaveOnOkKeepsTheDialogOpen) {
  fileName = File("no such folder/a.cst").toStdString();
  auto dlg = MakeDlg();
  Show(*dlg);
  dlg->OkBtn()->click();
  EXPECT_TRUE(dlg->isVisible());
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, "Costs file cannot be written...\r\n" + fileName +
                                       "\r\nNo such file or directory.\r\n\r\n" + kSaveCostsAsOwn);
  dlg->reject();
}

TEST_F(PricesDlgTest, AFieldThatIsNoNumberStopsOkBeforeAnythingIsStored) {
  auto dlg = MakeDlg();
  Show(*dlg);
  Type(*dlg, "CMnfRate", "20");
  dlg->Field("CBracketCost")->setText("12abc"); // pasted text is not filtered
  dlg->OkBtn()->click();
  EXPECT_TRUE(dlg->isVisible());
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, TMsgKind::Error);
  EXPECT_EQ(sink.messages[0].text,
            "'12abc' is not a valid number for Brackets (Miscelleous costs).");
  EXPECT_EQ(dlg->Pages()->tabText(dlg->Pages()->currentIndex()), "Misc");
  EXPECT_EQ(costs, DefaultCosts());
  dlg->reject();
}

// Cancel, Escape and the close box all put back the record and the name of
// the moment the dialog was shown.
TEST_F(PricesDlgTest, EveryWayOfCancellingRestoresTheShownValues) {
  const std::function<void(TPricesDlg &)> ways[] = {
      [](TPricesDlg &d) { d.CancelBtn()->click(); },
      [](TPricesDlg &) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); },
      [](TPricesDlg &d) { d.close(); },
  };
  int way = 0;
  for (const auto &cancel : ways) {
    TCostRec start = DefaultCosts();
    start.MnfRate = 11.5 + way;
    fileName = CostFile(QStringLiteral("start%1.cst").arg(way), start);
    costs = start;
    auto dlg = MakeDlg();
    dlg->Services().execModal = [&](QDialog &view) {
      view.show();
      EXPECT_EQ(costs.SpiralFittingFact, 1.3); // the view shows the factor being edited
      view.hide();
    };
    Show(*dlg);
    Type(*dlg, "CMnfRate", "99");
    Type(*dlg, "CSpiralFittingFact", "1.3");
    dlg->SpiralBtn(TSpiralButton::View)->click();
    cancel(*dlg);
    EXPECT_FALSE(dlg->isVisible()) << way;
    EXPECT_EQ(dlg->result(), kPricesCancel) << way;
    EXPECT_EQ(costs, start) << way;
    EXPECT_EQ(fileName, File(QStringLiteral("start%1.cst").arg(way)).toStdString());
    ++way;
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PricesDlgTest, CancelReportsACostFileThatCannotBeReadAnyMore) {
  fileName = CostFile("gone.cst", DefaultCosts());
  costs.MnfRate = 30;
  auto dlg = MakeDlg();
  Show(*dlg);
  QFile::remove(QString::fromStdString(fileName));
  dlg->CancelBtn()->click();
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].text, fileName + "\r\ncannot be loaded...");
  EXPECT_EQ(costs.MnfRate, 30); // the backup, not the defaults of the failed load
}

TEST_F(PricesDlgTest, OpenOfAWrongFileKeepsTheNameCaptionAndFields) {
  TCostRec first = DefaultCosts();
  first.MnfRate = 21.5;
  fileName = CostFile("first.cst", first);
  costs = first;
  test::WriteAll(File("bad.cst"), "just text, no cost file");
  dialogs.answers = {File("bad.cst")};
  auto dlg = MakeDlg();
  Show(*dlg);
  const QString caption = dlg->windowTitle();
  dlg->OpenBtn()->click();
  ASSERT_EQ(dialogs.asked.size(), 1);
  EXPECT_EQ(dialogs.asked[0].title, "Open costs file");
  EXPECT_EQ(dialogs.asked[0].proposed, Dir()); // the folder of the current file
  EXPECT_EQ(dialogs.asked[0].filter, "Costs file (*.cst)");
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, TMsgKind::Error);
  EXPECT_EQ(sink.messages[0].text, "Incorrect cost file format : " + File("bad.cst").toStdString());
  EXPECT_EQ(fileName, File("first.cst").toStdString());
  EXPECT_EQ(dlg->windowTitle(), caption);
  EXPECT_EQ(dlg->Field("CMnfRate")->text(), "21.5");
  dlg->reject();
}

TEST_F(PricesDlgTest, OpenLoadsAnotherFileIntoTheFields) {
  TCostRec other = DefaultCosts();
  other.ErectRate = 7.75;
  dialogs.answers = {QString::fromStdString(CostFile("other.cst", other))};
  auto dlg = MakeDlg(); // no file yet: the program's data folder
  Show(*dlg);
  dlg->OpenBtn()->click();
  ASSERT_EQ(dialogs.asked.size(), 1);
  EXPECT_EQ(dialogs.asked[0].proposed, Dir() + "/../Data Files");
  EXPECT_EQ(fileName, File("other.cst").toStdString());
  EXPECT_EQ(dlg->windowTitle(), "Costs : " + File("other.cst"));
  EXPECT_EQ(dlg->Field("CErectRate")->text(), "7.75");
  dlg->reject();
  EXPECT_EQ(fileName, ""); // Cancel still returns to the state when shown
  EXPECT_EQ(costs, DefaultCosts());
}

TEST_F(PricesDlgTest, SaveUnderANewNameThenCancelReturnsTheOldName) {
  fileName = CostFile("old.cst", DefaultCosts());
  dialogs.answers = {File("new.cst")};
  auto dlg = MakeDlg();
  Show(*dlg);
  Type(*dlg, "CClampCost", "2.2");
  dlg->SaveBtn()->click();
  ASSERT_EQ(dialogs.asked.size(), 1);
  EXPECT_EQ(dialogs.asked[0].proposed, File("old.cst"));
  EXPECT_EQ(dlg->windowTitle(), "Costs : " + File("new.cst"));
  TCostRec saved{};
  ASSERT_TRUE(LoadCostFile(File("new.cst").toStdString(), saved, sink));
  EXPECT_EQ(saved.ClampCost, 2.2);
  EXPECT_EQ(test::ReadAll(File("new.cst")).size(), 224);

  dlg->CancelBtn()->click();
  EXPECT_EQ(fileName, File("old.cst").toStdString());
  EXPECT_EQ(costs.ClampCost, 1.1);
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PricesDlgTest, AFailedSaveRestoresTheName) {
  fileName = CostFile("old.cst", DefaultCosts());
  dialogs.answers = {File("missing/new.cst")};
  auto dlg = MakeDlg();
  Show(*dlg);
  dlg->SaveBtn()->click();
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_TRUE(sink.messages[0].text.starts_with("Costs file cannot be written...\r\n" +
                                                File("missing/new.cst").toStdString()));
  EXPECT_EQ(fileName, File("old.cst").toStdString());
  EXPECT_EQ(dlg->windowTitle(), "Costs : " + File("old.cst"));
  dlg->reject();
}

TEST_F(PricesDlgTest, ReturnMovesOnAndArrowsWalkTheFields) {
  auto dlg = MakeDlg();
  Show(*dlg);
  auto *metal = dlg->Field("CMnfRate");
  metal->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), dlg->Field("CManufRate"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), dlg->Field("CErectRate"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), metal);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // the page tabs
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_EQ(QApplication::focusWidget(), dlg->RefDatePicker());

  // Return on a button moves on as well: it never presses one.
  dlg->OkBtn()->setFocus();
  QTest::keyClick(dlg->OkBtn(), Qt::Key_Return);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_NE(QApplication::focusWidget(), dlg->OkBtn());
  dlg->reject();
}

TEST_F(PricesDlgTest, TheDatePickerKeepsTheTimeOfDayAndItsCloseUpRule) {
  costs.RefDate = 36526.5;
  auto dlg = MakeDlg();
  Show(*dlg);
  TRefDatePicker *picker = dlg->RefDatePicker();
  EXPECT_EQ(picker->RefDate(), 36526.5);
  picker->setDate(QDate(2000, 1, 3));
  EXPECT_EQ(picker->RefDate(), 36528.5);

  // A close-up that finds the date moved without a change being reported
  // puts the remembered date back; a reported change stays.
  picker->CalendarDroppedDown();
  picker->blockSignals(true);
  picker->setDate(QDate(2001, 5, 5));
  picker->blockSignals(false);
  picker->CalendarClosedUp();
  EXPECT_EQ(picker->date(), QDate(2000, 1, 3));
  picker->CalendarDroppedDown();
  picker->setDate(QDate(2001, 5, 5));
  picker->CalendarClosedUp();
  EXPECT_EQ(picker->date(), QDate(2001, 5, 5));

  dlg->OkBtn()->click();
  EXPECT_EQ(costs.RefDate, RefDateOfDate(QDate(2001, 5, 5)) + 0.5);
  EXPECT_TRUE(picker->displayFormat().contains("yyyy"));
}

// Writes under a folder named "ro" fail, as they do for a user in a folder
// that is not the user's; root writes anywhere, so there the disk says no.
bool FailUnderReadOnly(std::string_view path, std::size_t, std::size_t) {
  return path.find("/ro/") == std::string_view::npos;
}

// The shipped cost file is read-only for the user: a change of rate is
// never lost, it goes to a file of the user's own, which becomes the cost
// file from then on.
TEST_F(PricesDlgTest, ACostFileThatCannotBeWrittenSaysWhyAndOffersTheUsersOwnFolder) {
  const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", File("data").toLocal8Bit());
  ASSERT_TRUE(QDir(Dir()).mkpath("ro"));
  fileName = CostFile("ro/Default.cst", DefaultCosts());
  const QByteArray shipped = test::ReadAll(File("ro/Default.cst"));
  QFile::setPermissions(File("ro"), QFile::ReadOwner | QFile::ExeOwner);
  const bool root = QFileInfo(File("ro")).isWritable();
  if (root)
    SetWriteFaultHook(FailUnderReadOnly);
  auto dlg = MakeDlg();
  Show(*dlg);
  Type(*dlg, "CMnfRate", "16");

  sink.answer = TMsgResult::No; // stays in the dialog, nothing lost
  dlg->OkBtn()->click();
  EXPECT_TRUE(dlg->isVisible());
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].kind, TMsgKind::Confirmation);
  EXPECT_EQ(sink.messages[0].buttons, TMsgButtons::YesNo);
  const std::string reason = root ? "No space left on device." : "Permission denied.";
  EXPECT_EQ(sink.messages[0].text, "Costs file cannot be written...\r\n" + fileName + "\r\n" +
                                       reason + "\r\n\r\n" + kSaveCostsAsOwn);

  const QString own = File("data/Tarnwell/Data Files/Default.cst");
  sink.answer = TMsgResult::Yes;
  dialogs.answers = {own};
  dlg->OkBtn()->click();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), kPricesOk);
  ASSERT_EQ(dialogs.asked.size(), 1);
  EXPECT_EQ(dialogs.asked[0].proposed, own) << "the dialog opens in the user's own folder";
  EXPECT_EQ(fileName, own.toStdString());
  TCostRec saved{};
  ASSERT_TRUE(LoadCostFile(fileName, saved, sink));
  EXPECT_EQ(saved.MnfRate, 16);
  SetWriteFaultHook(nullptr);
  QFile::setPermissions(File("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(test::ReadAll(File("ro/Default.cst")), shipped);
  qputenv("XDG_DATA_HOME", savedDataHome);
}

// A name relative to the program's folder (the calculator's remembered
// "../Data Files/Default.cst") is that folder's file wherever the program
// was started from.
TEST_F(PricesDlgTest, RelativeNamesStartInTheProgramsFolder) {
  ASSERT_TRUE(QDir(Dir()).mkpath("Data Files") && QDir(Dir()).mkpath("elsewhere") &&
              QDir(Dir()).mkpath("Korvane"));
  CostFile("Data Files/Default.cst", DefaultCosts());
  fileName = "../Data Files/Default.cst";
  const QString cwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(File("elsewhere")));
  auto dlg = std::make_unique<TPricesDlg>(
      TPricesWorld{costs, fileName, table, sink, [] {}, File("Korvane/").toStdString(), shared},
      Services());
  Show(*dlg);
  Type(*dlg, "CMnfRate", "17");
  dlg->OkBtn()->click();
  QDir::setCurrent(cwd);
  EXPECT_EQ(dlg->result(), kPricesOk);
  EXPECT_TRUE(sink.messages.empty()) << sink.messages[0].text;
  EXPECT_EQ(fileName, "../Data Files/Default.cst") << "the name stays as the user knows it";
  TCostRec saved{};
  ASSERT_TRUE(LoadCostFile(File("Data Files/Default.cst").toStdString(), saved, sink));
  EXPECT_EQ(saved.MnfRate, 17);
  EXPECT_EQ(QDir(File("elsewhere")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
}

} // namespace
} // namespace korvane
