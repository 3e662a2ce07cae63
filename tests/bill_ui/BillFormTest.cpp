// The bill window as a user works it: the example job and its totals, typing
// and seeing the price follow, bad lines that say why and take the caret
// there, the cost editor's Insert, saving that never loses the old file, and
// the exported quote.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "base/FileIO.h"
#include "bill/job/BillTextJob.h"
#include "bill/job/CustomerQuote.h"
#include "bill/job/JobHtmlWriter.h"
#include "bill/ui/CompanyDlg.h"
#include "bill/ui/JobDetailsDlg.h"
#include "bill/ui/JobTableModel.h"
#include "desktop/ScrivelEditor.h"
#include "desktop/SettingsKeys.h"
#include "tests/bill_ui/BillWorld.h"
#include "tests/support/UiTest.h"

namespace korvane::test {
namespace {

class BillFormTest : public TUiTest {
protected:
  void SetUp() override {
    TUiTest::SetUp();
    // A bill without a Costs line prices with the calculator's last cost file.
    QSettings settings(File("korvane.conf"), QSettings::IniFormat);
    settings.setValue("Settings/LastCostFile", kStage + "/Data Files/Default.cst");
  }
  void TearDown() override {
    std::vector<QPointer<TBillForm>> forms;
    for (QWidget *w : QApplication::topLevelWidgets())
      if (auto *form = qobject_cast<TBillForm *>(w))
        forms.emplace_back(form);
    for (const QPointer<TBillForm> &form : forms)
      delete form.data();
    SetWriteFaultHook(nullptr);
    TUiTest::TearDown();
  }

  TBillForm *Open(const QString &text = QString()) {
    auto *form = new TBillForm(world.Services(File("korvane.conf")));
    if (!text.isEmpty())
      form->Editor()->setText(text);
    form->Reprice();
    return form;
  }

  static QString Cell(TBillForm &form, int row, TJobColumn column) {
    return form.TableModel()->index(row, int(column)).data().toString();
  }

  static int CaretLine(TBillForm &form) {
    int line = 0, index = 0;
    form.Editor()->getCursorPosition(&line, &index);
    return line;
  }

  TBillWorld world;
};

TEST_F(BillFormTest, WindowsOpeningTogetherEachPutTheirBillFirstInTheRecentList) {
  // A window not yet shown writes the list later; two at once keep both.
  const QString a = File("a.dct"), b = File("b.dct");
  ASSERT_TRUE(AtomicWriteFile(a.toStdString(), "Nipple 500 2\n"));
  ASSERT_TRUE(AtomicWriteFile(b.toStdString(), "Nipple 400 1\n"));
  const auto stored = [this] {
    return QSettings(File("korvane.conf"), QSettings::IniFormat)
        .value(SettingsKeys::kBillRecentFiles)
        .toStringList();
  };
  TBillForm *first = Open();
  TBillForm *second = Open();
  ASSERT_TRUE(first->LoadFile(a));
  ASSERT_TRUE(second->LoadFile(b));
  EXPECT_EQ(second->RecentFiles().value(0), b);
  EXPECT_TRUE(stored().isEmpty());
  delete first; // a window that closes writes what it has not
  EXPECT_EQ(stored(), QStringList{a});
  QTRY_COMPARE(stored(), (QStringList{b, a}));
}

TEST_F(BillFormTest, ExampleJobThenTypingFollows) {
  TBillForm *form = Open();
  ASSERT_TRUE(form->LoadFile(kExampleBill));
  EXPECT_FALSE(form->Editor()->isModified());
  form->Reprice();
  EXPECT_EQ(form->TableModel()->rowCount(), 33); // with its section and total rows
  EXPECT_EQ(form->Summary().Total, "R42,454.29");
  EXPECT_TRUE(form->TotalLabel()->text().contains("R42,454.29"));
  EXPECT_EQ(form->statusBar()->currentMessage(),
            "Total R42,454.29   28 priced, 0 not priced, 0 bad");
  EXPECT_EQ(form->Sheets()->rowCount(),
            int(form->Summary().Sheets.size() + form->Summary().Insulation.size()));
  EXPECT_EQ(form->RecentFiles().value(0), QFileInfo(kExampleBill).absoluteFilePath());

  ShowActive(*form);
  form->Editor()->setFocus();
  const int last = form->Editor()->lines() - 1;
  form->Editor()->setCursorPosition(last, form->Editor()->text(last).size());
  for (const char *typed : {"", "Nipple", " 500 2"}) {
    if (*typed)
      Type(typed);
    if (std::string_view(typed) != " 500 2")
      Key(Qt::Key_Return);
  }
  EXPECT_TRUE(form->Editor()->isModified());
  EXPECT_TRUE(form->windowTitle().startsWith("level2-office.dct*"));
  EXPECT_TRUE(form->PricePending()); // priced once the typing pauses
  form->Reprice();
  // The new line ends the last section, above its subtotal, Subtotal and Total.
  ASSERT_EQ(form->TableModel()->rowCount(), 34);
  EXPECT_EQ(Cell(*form, 30, TJobColumn::Item), "Nipple");
  EXPECT_EQ(Cell(*form, 30, TJobColumn::Number), "2");
  EXPECT_EQ(Cell(*form, 30, TJobColumn::Line).toInt(), form->Editor()->lines());
  EXPECT_EQ(Cell(*form, 33, TJobColumn::Amount).toStdString(), form->Summary().Total);
  EXPECT_GT(form->Job().Rows().size(), 28u);
  EXPECT_NE(form->Summary().Total, "R42,454.29");
  EXPECT_EQ(form->Summary().Counts, "29 priced, 0 not priced, 0 bad");
}

// A bill window comes back where and as large as the last one was left; the
// first ever is placed by the window manager at its design size.
TEST_F(BillFormTest, ANewWindowTakesThePlaceTheLastWasLeftIn) {
  TBillForm *first = Open();
  EXPECT_EQ(first->size(), QSize(1200, 720));
  first->resize(900, 500);
  first->move(40, 30);
  ASSERT_TRUE(first->close());
  TBillForm *second = Open();
  EXPECT_EQ(second->size(), QSize(900, 500));
  EXPECT_EQ(second->pos(), QPoint(40, 30));
}

// The result pages behind the first are built when first chosen, with the
// last pricing, and follow every pricing after.
TEST_F(BillFormTest, HiddenResultPagesAreBuiltWhenChosenWithTheLastPricing) {
  TBillForm *form = Open("Nipple\n 500 1\n 500 0\n");
  ShowActive(*form);
  EXPECT_EQ(form->findChild<QListWidget *>(), nullptr);
  EXPECT_EQ(form->findChild<QTableWidget *>(), nullptr);
  form->ResultTabs()->setCurrentIndex(1);
  const auto *notes = form->findChild<QListWidget *>();
  ASSERT_NE(notes, nullptr);
  EXPECT_TRUE(notes->isVisible());
  EXPECT_EQ(notes->count(), 1);
  // In the Tab order where it always was: after it, the page tabs.
  form->Notes()->setFocus();
  Key(Qt::Key_Tab);
  EXPECT_EQ(Focus(), form->ResultTabs()->tabBar());
  form->Editor()->setText("Nipple\n 500 1\n");
  form->Reprice();
  EXPECT_EQ(notes->count(), 0);
  EXPECT_EQ(form->findChild<QTableWidget *>(), nullptr);
}

TEST_F(BillFormTest, BadLineSaysWhyAndTakesTheCaretThere) {
  TBillForm *form = Open("Nipple\n 500 1\n 500 0\nShoe\n 600 500 1\nElbow\n 500 750 90 3\n");
  ShowActive(*form);
  QListWidget *notes = form->Notes();
  ASSERT_EQ(notes->count(), 2);
  EXPECT_TRUE(notes->item(0)->text().contains("line 3: ") &&
              notes->item(0)->text().contains("number off '0'"))
      << notes->item(0)->text().toStdString();
  EXPECT_TRUE(notes->item(1)->text().startsWith("line 5: not priced: Shoe"));
  const unsigned badMark = 1u << TBillForm::kBadLineMark;
  EXPECT_TRUE(form->Editor()->markersAtLine(2) & badMark);
  EXPECT_FALSE(form->Editor()->markersAtLine(4) & badMark); // not priced is not bad
  EXPECT_FALSE(form->Editor()->markersAtLine(1) & badMark);

  notes->scrollToItem(notes->item(0));
  QTest::mouseClick(notes->viewport(), Qt::LeftButton, {},
                    notes->visualItemRect(notes->item(0)).center());
  EXPECT_EQ(CaretLine(*form), 2);

  // Clicking a priced row goes to its bill line too.
  QTableView *table = form->Table();
  form->GoToLine(1);
  const QModelIndex elbow = form->TableModel()->index(1, int(TJobColumn::Amount));
  ASSERT_TRUE(elbow.data().isValid());
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(elbow).center());
  EXPECT_EQ(CaretLine(*form), 6);

  // Fixing the line takes the mark away.
  form->Editor()->setSelection(2, 5, 2, 6);
  form->Editor()->replaceSelectedText("4");
  form->Reprice();
  EXPECT_FALSE(form->Editor()->markersAtLine(2) & badMark);
  EXPECT_EQ(form->Summary().Counts, "3 priced, 1 not priced, 0 bad");
}

TEST_F(BillFormTest, InsertWritesTheCostsLineAndMarksTheBillModified) {
  const QString shop = File("shop.cst");
  ASSERT_TRUE(QFile::copy(kStage + "/Data Files/Default.cst", shop));
  QSettings(File("korvane.conf"), QSettings::IniFormat).setValue("Settings/LastCostFile", shop);
  TBillForm *form = Open("; job\nNipple\n 500 1\n");
  form->Editor()->setModified(false);
  bool insertEnabled = false;
  world.costs = [&](TPricesDlg &dialog) {
    insertEnabled = dialog.InsertBtn()->isEnabled();
    dialog.InsertClick();
    return dialog.result();
  };
  form->CostsClick();
  EXPECT_TRUE(insertEnabled);
  EXPECT_TRUE(world.said.empty()) << world.said.front();
  const QStringList lines = form->Editor()->text().split('\n');
  EXPECT_TRUE(lines.contains("Costs = " + shop)) << form->Editor()->text().toStdString();
  EXPECT_TRUE(lines.contains("Nipple"));
  EXPECT_TRUE(form->Editor()->isModified());
  EXPECT_EQ(form->Job().Info().CostFile, shop.toStdString()); // OK priced it again
  form->Editor()->undo();
  EXPECT_FALSE(form->Editor()->text().contains("Costs ="));
}

TEST_F(BillFormTest, InsertWritesAFullPathSoTheBillPricesWhereverItIsSaved) {
  // The calculator's last cost file as it keeps it, relative to its folder
  // (here a program folder of the test's own, whose cost file OK may save).
  ASSERT_TRUE(QDir(Dir()).mkpath("prog") && QDir(Dir()).mkpath("Data Files"));
  ASSERT_TRUE(QFile::copy(kStage + "/Data Files/Default.cst", File("Data Files/Default.cst")));
  QSettings(File("korvane.conf"), QSettings::IniFormat)
      .setValue("Settings/LastCostFile", "../Data Files/Default.cst");
  TBillServices services = world.Services(File("korvane.conf"));
  services.ProgramDir = File("prog/");
  auto *form = new TBillForm(std::move(services));
  form->Editor()->setText("Nipple\n 500 1\n");
  world.costs = [](TPricesDlg &dialog) {
    dialog.InsertClick();
    return dialog.result();
  };
  form->CostsClick();
  const QString full = QDir::cleanPath(File("Data Files/Default.cst"));
  EXPECT_TRUE(form->Editor()->text().split('\n').contains("Costs = " + full))
      << form->Editor()->text().toStdString();
}

// A new bill has no folder of its own: its relative Costs line names the
// file from the program's folder, wherever the window was started.
TEST_F(BillFormTest, ANewBillsRelativeCostsLineStartsInTheProgramsFolder) {
  const QString cwd = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(Dir()));
  TBillForm *form = Open("Costs = ../Data Files/Default.cst\nNipple\n 500 1\n");
  QDir::setCurrent(cwd);
  EXPECT_EQ(form->Summary().Counts, "1 priced, 0 not priced, 0 bad");
  EXPECT_EQ(QFileInfo(QString::fromStdString(form->Job().Info().CostFile)).canonicalFilePath(),
            QFileInfo(kStage + "/Data Files/Default.cst").canonicalFilePath());
}

bool FailEveryWrite(std::string_view, std::size_t, std::size_t) {
  return false;
}

bool FailUnderReadOnly(std::string_view path, std::size_t, std::size_t) {
  return path.find("/ro/") == std::string_view::npos;
}

// Insert names the cost file in the Costs line and changes no other byte of
// the bill: no blank lines added, no space taken from an item's line.
TEST_F(BillFormTest, InsertChangesTheCostsLineAndNoOtherByte) {
  const QString shop = File("shop.cst");
  ASSERT_TRUE(QFile::copy(kStage + "/Data Files/Default.cst", shop));
  QSettings(File("korvane.conf"), QSettings::IniFormat).setValue("Settings/LastCostFile", shop);
  const QString body = "SquareToRound (Erection=Include)\n 600 500 400 1\n\n"
                       "StraightRect (Gauge=0.8)\n\t-\t600  500  2.400\n";
  TBillForm *form = Open("; job: Caf\u00e9 2\n\n" + body);
  form->Editor()->setCursorPosition(3, 4);
  world.costs = [](TPricesDlg &dialog) {
    dialog.InsertClick();
    return dialog.result();
  };
  form->CostsClick();
  EXPECT_EQ(form->Editor()->text(), "; job: Caf\u00e9 2\n\nCosts = " + shop + "\n" + body);
  int line = 0, index = 0;
  form->Editor()->getCursorPosition(&line, &index);
  EXPECT_EQ(line, 4) << "the caret stays on its line";

  // A Costs line already there changes alone, whatever it named.
  form->Editor()->setText("Costs=old.cst\n" + body);
  form->CostsClick();
  EXPECT_EQ(form->Editor()->text(), "Costs = " + shop + "\n" + body);
  form->Editor()->undo();
  EXPECT_EQ(form->Editor()->text(), "Costs=old.cst\n" + body) << "one Undo takes it back";
}

// The cost file the bill names cannot be written (the shipped one under
// /opt): Cancel leaves the bill as it was; Yes saves the costs in the
// user's own folder and the bill names that file.
TEST_F(BillFormTest, InsertWithACostFileThatCannotBeWritten) {
  const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", File("data").toLocal8Bit());
  ASSERT_TRUE(QDir(Dir()).mkpath("ro"));
  const QString shipped = File("ro/Default.cst");
  ASSERT_TRUE(QFile::copy(kStage + "/Data Files/Default.cst", shipped));
  QSettings(File("korvane.conf"), QSettings::IniFormat).setValue("Settings/LastCostFile", shipped);
  QFile::setPermissions(File("ro"), QFile::ReadOwner | QFile::ExeOwner);
  if (QFileInfo(File("ro")).isWritable())
    SetWriteFaultHook(FailUnderReadOnly); // root: the disk says no instead
  const QString bill = "; job\n\nSquareToRound (Erection=Include)\n 600 500 400 1\n";
  TBillForm *form = Open(bill);
  form->Editor()->setModified(false);
  world.costs = [](TPricesDlg &dialog) {
    dialog.InsertClick();
    if (dialog.result() == 0)
      dialog.reject(); // the user gives up: Cancel
    return dialog.result();
  };
  world.answer = TMsgResult::No;
  form->CostsClick();
  ASSERT_EQ(world.said.size(), 1u);
  EXPECT_EQ(world.said[0].rfind(
                "Costs file cannot be written...\r\n" + shipped.toStdString() + "\r\n", 0),
            0u)
      << world.said[0];
  EXPECT_EQ(form->Editor()->text(), bill);
  EXPECT_FALSE(form->Editor()->isModified());

  const QString own = File("data/Tarnwell/Data Files/Default.cst");
  world.answer = TMsgResult::Yes;
  world.dialogs->answer = own;
  form->CostsClick();
  EXPECT_EQ(world.dialogs->proposed.value(0), own);
  EXPECT_EQ(form->Editor()->text(), "; job\n\nCosts = " + own + "\n" + bill.mid(7));
  EXPECT_TRUE(form->Editor()->isModified());
  EXPECT_EQ(form->Job().Info().CostFile, own.toStdString());
  SetWriteFaultHook(nullptr);
  QFile::setPermissions(File("ro"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_DATA_HOME", savedDataHome);
}

TEST_F(BillFormTest, SaveNeverLosesTheOldFile) {
  const QString path = File("job.dct");
  TBillForm *form = Open("Nipple\n 500 1\n");
  world.dialogs->answer = path;
  ASSERT_TRUE(form->Save()); // a new bill asks for its name
  EXPECT_EQ(ReadAll(path), "Nipple\n 500 1\n");
  EXPECT_FALSE(form->Editor()->isModified());

  form->Editor()->append("Nipple\n 600 1\n");
  SetWriteFaultHook(FailEveryWrite);
  EXPECT_FALSE(form->Save());
  SetWriteFaultHook(nullptr);
  EXPECT_EQ(ReadAll(path), "Nipple\n 500 1\n");
  EXPECT_TRUE(form->Editor()->isModified());
  ASSERT_EQ(world.said.size(), 1u);
  EXPECT_EQ(world.said[0].rfind("Cannot save ", 0), 0u);

  // Closing asks first; Cancel keeps the window, No lets it go unsaved.
  QPointer<TBillForm> alive(form);
  world.answer = TMsgResult::Cancel;
  EXPECT_FALSE(form->close());
  world.answer = TMsgResult::No;
  EXPECT_TRUE(form->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
  EXPECT_EQ(ReadAll(path), "Nipple\n 500 1\n");

  // Each bill named opens a window of its own.
  WriteAll(File("b.dct"), "Elbow\n 500 750 90 1\n");
  EXPECT_NE(TBillForm::OpenWindow(world.Services(File("korvane.conf")), path), nullptr);
  EXPECT_NE(TBillForm::OpenWindow(world.Services(File("korvane.conf")), File("b.dct")), nullptr);
  EXPECT_EQ(TBillForm::OpenWindow(world.Services(File("korvane.conf")), File("none.dct")), nullptr);
  int windows = 0;
  for (QWidget *w : QApplication::topLevelWidgets())
    windows += qobject_cast<TBillForm *>(w) && w->isVisible();
  EXPECT_EQ(windows, 2);
}

TEST_F(BillFormTest, PasteItemGoesToTheEndOfTheSection) {
  TBillForm *form = Open("GlobalSettings (Erection=Include)\nNipple\n 500 1\n\n"
                         "GlobalSettings\nElbow\n 500 750 90 1\n");
  QApplication::clipboard()->setText("Nipple (Brackets=Include)\r\n\t-\t630  3\r\n");
  form->Editor()->setCursorPosition(1, 0);
  form->PasteItem();
  EXPECT_EQ(form->Editor()->text(),
            "GlobalSettings (Erection=Include)\nNipple\n 500 1\nNipple (Brackets=Include)\n"
            "\t-\t630  3\n\nGlobalSettings\nElbow\n 500 750 90 1\n");
  form->Editor()->setCursorPosition(7, 0);
  form->PasteItem();
  EXPECT_TRUE(form->Editor()->text().endsWith("90 1\nNipple (Brackets=Include)\n\t-\t630  3\n"));
  form->Reprice();
  EXPECT_EQ(form->Summary().Counts, "4 priced, 0 not priced, 0 bad");
}

TEST_F(BillFormTest, ExportWritesTheCoresQuoteAndAPdf) {
  TBillForm *form = Open();
  ASSERT_TRUE(form->LoadFile(kExampleBill));
  ASSERT_TRUE(form->ExportHtml(File("quote.html")));

  TBillTextJob job;
  job.Setup.ProgramDir = (kStage + "/Korvane/").toStdString();
  job.Setup.DataDir = (kStage + "/Common Files/").toStdString();
  job.Setup.Currency.symbol = "R";
  job.BillName = "level2-office.dct";
  job.BillDir = (kStage + "/Data Files/").toStdString();
  std::string core;
  TJobHtmlWriter html(core, std::make_unique<TCustomerQuote>());
  TJobTotals totals;
  std::string fatal;
  const QByteArray bill = ReadAll(kExampleBill);
  ASSERT_TRUE(PriceBillText(bill.toStdString(), job, {&html}, totals, fatal)) << fatal;
  const QByteArray page = ReadAll(File("quote.html"));
  EXPECT_EQ(page.toStdString(), core);
  EXPECT_TRUE(page.contains("42,454.29"));

  ASSERT_TRUE(form->ExportPdf(File("quote.pdf")));
  EXPECT_TRUE(ReadAll(File("quote.pdf")).startsWith("%PDF-"));
  // A PDF that cannot be written leaves the old one.
  SetWriteFaultHook(FailEveryWrite);
  EXPECT_FALSE(form->ExportPdf(File("quote.pdf")));
  SetWriteFaultHook(nullptr);
  EXPECT_TRUE(ReadAll(File("quote.pdf")).startsWith("%PDF-"));

  world.printTo = File("printed.pdf");
  world.answer = TMsgResult::No; // no quote number for this one
  form->PrintClick();
  EXPECT_TRUE(ReadAll(File("printed.pdf")).startsWith("%PDF-"));
}

// The caret on a bad line puts its reason in the status bar; F6 goes from the
// text to the results and back, Ctrl+Tab from page to page of the results.
TEST_F(BillFormTest, KeysReachTheResultsAndTheCaretLineSaysWhyItIsBad) {
  TBillForm *form = Open("StraightRect\n 1200 600 2.4 6\nNipple\n 500 1\n");
  ShowActive(*form);
  form->Editor()->setFocus();
  form->GoToLine(2);
  EXPECT_TRUE(form->statusBar()->currentMessage().contains("StraightRect (NumberOff=6)"))
      << form->statusBar()->currentMessage().toStdString();
  form->GoToLine(4);
  EXPECT_TRUE(form->statusBar()->currentMessage().startsWith("Total "));
  EXPECT_TRUE(form->statusBar()->findChild<QLabel *>() != nullptr);

  Key(Qt::Key_F6);
  EXPECT_TRUE(form->ResultTabs()->currentWidget()->hasFocus());
  Key(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(form->ResultTabs()->currentIndex(), 1);
  Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(form->ResultTabs()->currentIndex(), 0);
  Key(Qt::Key_F6);
  EXPECT_TRUE(form->Editor()->hasFocus());
}

// Exporting or printing a bill with lines left out asks first, naming them;
// an export says where it wrote; with no printer the quote goes to a PDF.
TEST_F(BillFormTest, LeftOutLinesAreToldBeforeTheQuoteAndNoPrinterOffersAPdf) {
  TBillForm *form = Open("Nipple\n 500 1\nShoe\n 600 500 1\n");
  world.dialogs->answer = File("quote.html");
  world.answer = TMsgResult::No;
  form->ExportClick(*FindJobFormat("html"));
  ASSERT_EQ(world.said.size(), 1u);
  EXPECT_NE(world.said[0].find("line 4: not priced: Shoe"), std::string::npos) << world.said[0];
  EXPECT_FALSE(QFileInfo::exists(File("quote.html")));
  world.answer = TMsgResult::Yes;
  form->ExportClick(*FindJobFormat("html"));
  EXPECT_TRUE(QFileInfo::exists(File("quote.html")));
  EXPECT_TRUE(form->statusBar()->currentMessage().endsWith(File("quote.html")));
  // The workbook is written byte for byte: a zip file whose directory ends it.
  world.dialogs->answer = File("job.xlsx");
  form->ExportClick(*FindJobFormat("xlsx"));
  const QByteArray book = ReadAll(File("job.xlsx"));
  EXPECT_TRUE(book.startsWith("PK\x03\x04"));
  EXPECT_EQ(book.lastIndexOf("PK\x05\x06"), book.size() - 22);

  world.said.clear();
  TBillServices services = world.Services(File("korvane.conf"));
  services.HasPrinter = [] { return false; };
  auto *bare = new TBillForm(services);
  bare->Editor()->setText("Nipple\n 500 1\n");
  world.dialogs->answer = File("instead.pdf");
  bare->PrintClick();
  ASSERT_EQ(world.said.size(), 2u);
  // The quote is given the next quote number, in the bill, before it leaves.
  EXPECT_NE(world.said[0].find("Q-0001"), std::string::npos) << world.said[0];
  EXPECT_TRUE(bare->Editor()->text().startsWith("; Quote number: Q-0001\nNipple"));
  EXPECT_EQ(bare->Company().NextQuoteNumber, 2);
  EXPECT_NE(world.said[1].find("No printer"), std::string::npos);
  EXPECT_TRUE(ReadAll(File("instead.pdf")).startsWith("%PDF-"));
}

// Job Details edits the detail lines alone, in one Undo step, and refuses a
// value that does not read; the Company dialog's profile is kept, and both
// reach the quote with the next quote number.
TEST_F(BillFormTest, JobDetailsAndTheCompanyReachTheQuote) {
  world.companyFile = File("Tarnwell/Company.ini");
  const QString bill = "; take-off of 2 March\nCollar\n 500 1\n";
  TBillForm *form = Open(bill);
  QString refused;
  world.dialog = [&](QDialog &shown) {
    auto &details = dynamic_cast<TJobDetailsDlg &>(shown);
    const auto field = [&](std::string_view name) {
      return static_cast<QLineEdit *>(details.Field(name));
    };
    field("Customer")->setText("Harbour Road Properties");
    field("Discount")->setText("ten");
    details.accept();
    refused = details.Problem();
    field("Discount")->setText("5%");
    details.accept();
    return details.result();
  };
  form->JobDetailsClick();
  EXPECT_TRUE(refused.contains("Discount 'ten'")) << refused.toStdString();
  EXPECT_EQ(form->Editor()->text(), "; Customer: Harbour Road Properties\n; Discount: 5%\n" + bill);
  form->Editor()->undo();
  EXPECT_EQ(form->Editor()->text(), bill);
  form->Editor()->redo();

  world.dialog = [](QDialog &shown) {
    auto &company = dynamic_cast<TCompanyDlg &>(shown);
    company.NameEdit()->setText("Okafor Sheet Metal Ltd");
    company.VatEdit()->setValue(15);
    return int(QDialog::Accepted);
  };
  form->CompanyClick();
  EXPECT_TRUE(ReadAll(world.companyFile).contains("Name=Okafor Sheet Metal Ltd"));

  world.answer = TMsgResult::Yes;
  world.dialogs->answer = File("quote.html");
  form->ExportClick(*FindJobFormat("html"));
  const QByteArray page = ReadAll(File("quote.html"));
  for (const char *text : {"Okafor Sheet Metal Ltd", "Harbour Road Properties", "Q-0001", "VAT"})
    EXPECT_TRUE(page.contains(text)) << text;
  EXPECT_TRUE(ReadAll(world.companyFile).contains("NextQuoteNumber=2"));
}

// Opening a bill that is open already brings its window forward.
TEST_F(BillFormTest, OpeningAnOpenBillBringsItsWindowForward) {
  TBillForm *form = Open();
  ASSERT_TRUE(form->LoadFile(kExampleBill));
  const auto windows = [] {
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
      n += qobject_cast<TBillForm *>(w) != nullptr;
    return n;
  };
  const int before = windows();
  TBillForm *other = Open("Nipple\n 500 1\n");
  other->OpenPath(kExampleBill);
  EXPECT_EQ(TBillForm::OpenWindow(world.Services(File("korvane.conf")), kExampleBill), form);
  EXPECT_EQ(windows(), before + 1);
  EXPECT_EQ(other->Path(), QString());
}

} // namespace
} // namespace korvane::test
