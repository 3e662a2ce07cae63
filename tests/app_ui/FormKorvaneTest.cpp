#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/ui/AboutBox.h"
#include "app/ui/CostEditor.h"
#include "app/ui/FormKorvane.h"
#include "app/ui/MapiControl.h"
#include "app/ui/URLLabel.h"
#include "base/FileIO.h"
#include "controls/ui/EntryGrid.h"
#include "controls/ui/EntryGridEditors.h"
#include "costs/CostFile.h"
#include "desktop/KorvaneSettings.h"
#include "tests/app_ui/FormTestWorld.h"

namespace korvane::test {
namespace {

const std::string kDefaultCost = "../Data Files/Default.cst";

// A copy of the shipped cost file with another markup, so its prices differ.
void WriteCostFile(const QString &path, double markup) {
  TRecordingSink sink;
  TCostRec costs = DefaultCosts();
  ASSERT_TRUE(LoadCostFile("../Data Files/Default.cst", costs, sink));
  costs.Markup = markup;
  ASSERT_TRUE(SaveCostFile(path.toStdString(), costs, sink));
}

// Types `text` into the current cell of `grid` and commits it with Enter,
// as a user does.
void TypeIntoGrid(TEntryGrid &grid, int row, const QString &text) {
  grid.setFocus();
  grid.FocusCell(1, row);
  // The first character opens the editor on the cell, which takes the focus
  // and the rest of the keys.
  for (const QChar ch : text)
    QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

TEST_F(TFormTest, StartValuesShowTheStraightRectangularReport) {
  TFormKorvane &form = Start();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Korvane 1.2.2.0"));
  EXPECT_EQ(World().CostFileName, kDefaultCost);
  EXPECT_TRUE(messages.messages.empty());
  const QStringList lines = form.Memo1()->toPlainText().split(QLatin1Char('\n'));
  ASSERT_GE(lines.size(), 6);
  EXPECT_EQ(lines[0], QStringLiteral("Straight Rectangular"));
  EXPECT_EQ(lines[1], QStringLiteral("600mm x 500mm  2.400m"));
  EXPECT_EQ(lines[2], QStringLiteral("AutoGauge AutoFlange NoIns"));
  EXPECT_EQ(lines[3], QString::fromStdString(kDefaultCost) + QStringLiteral("    "));
  EXPECT_EQ(lines[4], QString(49, QLatin1Char('-')));
  EXPECT_EQ(lines[5], QStringLiteral("Gauge 0.6 mm"));
  EXPECT_EQ(form.StatusText().toStdString(), form.Report().StatusText);
  EXPECT_NE(form.StatusText(), QStringLiteral("Bad data..."));
  EXPECT_TRUE(form.StatusText().contains(QStringLiteral("[0.6mm")));
  EXPECT_EQ(form.StatusHint().toStdString(), form.Report().RatesText);
  EXPECT_EQ(form.ComboDuctType->count(), kTypeCount);
  // The Options page as it starts.
  EXPECT_EQ(form.GridOptions()->Cells(1, 1), kDefaultCost);
  EXPECT_EQ(form.GridOptions()->Cells(1, 2), "No");
  EXPECT_EQ(form.GridOptions()->Cells(1, 3), "No");
  EXPECT_FALSE(form.ActionReport->isVisible());
}

// The Options and Details pages are built when first chosen: the options
// as the window priced with them, the report of the last solve, which it
// follows after.
TEST_F(TFormTest, TheHiddenPagesAreBuiltWhenChosenWithWhatTheyShow) {
  TFormKorvane &form = Start();
  ASSERT_NO_FATAL_FAILURE(ShowActive(form));
  EXPECT_EQ(form.findChild<TEntryGrid *>(QStringLiteral("GridOptions")), nullptr);
  EXPECT_EQ(form.findChild<QPlainTextEdit *>(), nullptr);
  TypeIntoGrid(*form.GridDimensions, 1, QStringLiteral("950"));
  Key(Qt::Key_Tab, Qt::ControlModifier);
  const auto *options = form.findChild<TEntryGrid *>(QStringLiteral("GridOptions"));
  ASSERT_NE(options, nullptr);
  EXPECT_TRUE(options->isVisible());
  EXPECT_EQ(options->Cells(1, 1), kDefaultCost);
  EXPECT_EQ(options->Cells(1, 2), "No");
  Key(Qt::Key_Tab, Qt::ControlModifier);
  ASSERT_EQ(form.PageControl1->currentIndex(), 2);
  const auto *memo = form.findChild<QPlainTextEdit *>();
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->isVisible());
  EXPECT_TRUE(memo->toPlainText().startsWith("Straight Rectangular\n950mm x 500mm"));
  form.ComboDuctType->setCurrentIndex(1);
  EXPECT_EQ(memo->toPlainText().section('\n', 0, 0).toStdString(), Details(0));
  EXPECT_NE(Details(0), "Straight Rectangular");
}

TEST_F(TFormTest, TheToolBarHoldsItsButtonsInOrderWithTheHelpDropDown) {
  TFormKorvane &form = Start();
  form.show();
  QList<QWidget *> shown;
  for (QAction *action : form.ToolBar1->actions())
    if (QWidget *w = form.ToolBar1->widgetForAction(action); w && w->isVisibleTo(&form))
      shown << w;
  const QList<QWidget *> expected{form.ButtonOpen,  form.ButtonSave,  form.ButtonCopy,
                                  form.ButtonSolve, form.ToolButton1, form.ButtonClose};
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(form.ActionCopy->toolTip(), QStringLiteral("Copy file to Clipboard..."));
  EXPECT_EQ(form.ActionSave->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));

  QStringList menu;
  for (QAction *item : form.PopupMenu1->actions())
    menu << (item->isSeparator() ? QStringLiteral("-") : item->text());
  EXPECT_EQ(menu, (QStringList{QStringLiteral("&Help"), QStringLiteral("&Tarnwell Direct"),
                               QStringLiteral("-"), QStringLiteral("&About")}));
  form.ToolButton1->click(); // the button's own part is Help
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened[0],
            QUrl::fromLocalFile(StageDir() + QStringLiteral("/Korvane/Help/Korvane.htm")));
}

// The drop-down's items as the user picks them by their captions.
QAction *MenuItem(TFormKorvane &form, const QString &caption) {
  for (QAction *item : form.PopupMenu1->actions())
    if (item->text() == caption)
      return item;
  ADD_FAILURE() << "no menu item " << caption.toStdString();
  return nullptr;
}

TEST_F(TFormTest, AboutOpensTheAboutBoxOverTheWindowAndRemembersItsTick) {
  TFormKorvane &form = Start();
  form.show();
  int shown = 0;
  onModal = [&](QWidget *w) {
    ++shown;
    EXPECT_EQ(w->parentWidget(), &form);
    auto *box = qobject_cast<TAboutBox *>(w);
    if (!box) {
      ADD_FAILURE() << w->metaObject()->className();
      w->close();
      return;
    }
    EXPECT_EQ(box->windowTitle().toStdString(), "About Korvane");
    EXPECT_EQ(box->ProductName->text().toStdString(), "Korvane");
    EXPECT_EQ(box->DeveloperName->text().toStdString(), "Tarnwell");
    EXPECT_EQ(box->Version->text().toStdString(), "Version 1.2.2");
    EXPECT_EQ(box->EMailLabel->text(), form.Contact().email);
    box->CBSplash->setChecked(true);
    box->OKBtn->click();
  };
  QAction *about = MenuItem(form, QStringLiteral("&About"));
  ASSERT_NE(about, nullptr);
  about->trigger();
  EXPECT_EQ(shown, 1);
  // The tick lands in the window's own settings file.
  EXPECT_TRUE(ReadSplashScreen(SettingsFile()));
}

TEST_F(TFormTest, TarnwellDirectWithoutAMailProgramSaysSoOverTheWindow) {
  // No mail program on the path, whatever this machine has installed.
  QTemporaryDir emptyBin;
  ASSERT_TRUE(emptyBin.isValid());
  const QByteArray savedPath = qgetenv("PATH");
  const auto restore = qScopeGuard([&] { qputenv("PATH", savedPath); });
  qputenv("PATH", emptyBin.path().toLocal8Bit());

  TFormKorvane &form = Start();
  ASSERT_NO_FATAL_FAILURE(ShowActive(form));
  QStringList said;
  onModal = [&](QWidget *w) {
    EXPECT_EQ(w->parentWidget(), &form);
    auto *box = qobject_cast<QMessageBox *>(w);
    said << (box ? box->text() : QString::fromLatin1(w->metaObject()->className()));
    w->close();
  };
  QAction *direct = MenuItem(form, QStringLiteral("&Tarnwell Direct"));
  ASSERT_NE(direct, nullptr);
  direct->trigger();
  EXPECT_EQ(said.join('\n').toStdString(), "System does not support MAPI mail server");
  // The enquiry was addressed to the maker before the mail program was sought.
  auto *mail = form.findChild<TMapiControl *>();
  ASSERT_NE(mail, nullptr);
  EXPECT_EQ(mail->Recipients.join(' ').toStdString(), form.Contact().email.toStdString());
  EXPECT_EQ(mail->Subject.toStdString(), "Korvane Enquiry");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(TFormTest, MissingCommandLineCostFileFallsBackToTheLastCostFile) {
  const QString last = TempFile(QStringLiteral("last.cst"));
  WriteCostFile(last, 1.5);
  {
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Settings/LastCostFile"), last);
  }
  Start({TempFile(QStringLiteral("no-such.cst"))});
  EXPECT_EQ(World().CostFileName, last.toStdString());
  EXPECT_EQ(World().CurrentCosts.Markup, 1.5);
  EXPECT_TRUE(messages.messages.empty());
  Close();
  QSettings after(SettingsFile(), QSettings::IniFormat);
  EXPECT_EQ(after.value(QStringLiteral("Settings/LastCostFile")).toString(), last);
}

// Started from any folder (a terminal in the home folder, a file manager),
// the remembered "../Data Files/Default.cst" and the help page are those
// beside the program, never the current folder's.
TEST_F(TFormTest, RelativeNamesAreTheProgramFoldersWhereverItStarts) {
  ASSERT_TRUE(QDir::setCurrent(ConfigHome()));
  TCostRec shipped = DefaultCosts();
  TRecordingSink said;
  ASSERT_TRUE(LoadCostFile(DefaultCostPath().toStdString(), shipped, said));
  TFormKorvane &form = Start();
  // A file that cannot be loaded always says so.
  EXPECT_TRUE(messages.messages.empty()) << messages.messages[0].text;
  EXPECT_EQ(World().CostFileName, kDefaultCost);
  EXPECT_EQ(World().CurrentCosts, shipped);
  form.HelpActionExecute();
  ASSERT_EQ(opened.size(), 1);
  EXPECT_TRUE(opened[0].isLocalFile());
  EXPECT_TRUE(QFileInfo::exists(opened[0].toLocalFile())) << opened[0].toString().toStdString();
}

TEST_F(TFormTest, ExistingCommandLineCostFileLoadsButIsNotRemembered) {
  const QString other = TempFile(QStringLiteral("other.cst"));
  WriteCostFile(other, 2.25);
  TFormKorvane &form = Start({other});
  EXPECT_EQ(World().CurrentCosts.Markup, 2.25);
  EXPECT_EQ(form.GridOptions()->Cells(1, 1), other.toStdString());
  Close();
  QSettings after(SettingsFile(), QSettings::IniFormat);
  EXPECT_EQ(after.value(QStringLiteral("Settings/LastCostFile")).toString().toStdString(),
            kDefaultCost);
}

TEST_F(TFormTest, ErectionYesSolvesAgainAndNamesItInTheCostFileLine) {
  TFormKorvane &form = Start();
  const double before = form.Report().Price;
  int commits = 0;
  auto previous = form.GridOptions()->OnDoSetData;
  form.GridOptions()->OnDoSetData = [&](QObject *s, int c, int r) {
    ++commits;
    previous(s, c, r);
  };
  form.GridOptions()->setFocus();
  form.GridOptions()->FocusCell(1, 2);
  QTest::keyClick(form.GridOptions(), Qt::Key_Right);
  EXPECT_EQ(commits, 1);
  EXPECT_EQ(form.GridOptions()->Cells(1, 2), "Yes");
  EXPECT_TRUE(World().Engine.settings.ErectionIncluded);
  EXPECT_EQ(Details(3), kDefaultCost + "  Erection  ");
  EXPECT_GT(form.Report().Price, before);
  // Brackets too, and both go again.
  form.GridOptions()->FocusCell(1, 3);
  QTest::keyClick(form.GridOptions(), Qt::Key_Left);
  EXPECT_EQ(Details(3), kDefaultCost + "  Erection  Brackets");
  form.GridOptions()->FocusCell(1, 2);
  QTest::keyClick(form.GridOptions(), Qt::Key_Left);
  form.GridOptions()->FocusCell(1, 3);
  QTest::keyClick(form.GridOptions(), Qt::Key_Right);
  EXPECT_EQ(Details(3), kDefaultCost + "    ");
  EXPECT_DOUBLE_EQ(form.Report().Price, before);
}

TEST_F(TFormTest, SwitchingTypesKeepsTheValuesTyped) {
  TFormKorvane &form = Start();
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  TypeIntoGrid(*form.GridDimensions, 1, QStringLiteral("800"));
  EXPECT_EQ(form.GridDimensions->Cells(1, 1), "800");
  EXPECT_EQ(Details(1), "800mm x 500mm  2.400m");
  const double rectPrice = form.Report().Price;

  form.ComboDuctType->setCurrentIndex(dtSpiral);
  EXPECT_EQ(World().Catalogue.CurrentType, dtSpiral);
  EXPECT_EQ(Details(0), "Spiral");
  TypeIntoGrid(*form.GridDimensions, 1, QStringLiteral("315"));
  EXPECT_EQ(Details(1).rfind("315mm", 0), 0u) << Details(1);

  form.ComboDuctType->setCurrentIndex(dtStraightRect);
  EXPECT_EQ(form.GridDimensions->Cells(1, 1), "800");
  EXPECT_DOUBLE_EQ(form.Report().Price, rectPrice);
  form.ComboDuctType->setCurrentIndex(dtSpiral);
  EXPECT_EQ(form.GridDimensions->Cells(1, 1), "315");
}

TEST_F(TFormTest, AValueOutOfRangeIsClampedBeforeItIsStored) {
  TFormKorvane &form = Start();
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  TypeIntoGrid(*form.GridDimensions, 1, QStringLiteral("5000"));
  EXPECT_EQ(form.GridDimensions->Cells(1, 1), "2400");
  EXPECT_EQ(World().Catalogue.ItemValues[dtStraightRect][0], Variant(2400.0));
}

TEST_F(TFormTest, SettingsSurviveARestart) {
  TFormKorvane &form = Start();
  form.resize(333, 444);
  form.move(40, 50);
  const QString chosen = TempFile(QStringLiteral("chosen.cst"));
  WriteCostFile(chosen, 1.75);
  form.GridOptions()->SetData(1, 1, Variant(chosen.toStdString()));
  form.GridOptions()->Rows().DoSetData(1, 1);
  EXPECT_EQ(World().LastCostFile, chosen.toStdString());
  Close();

  TFormKorvane &again = Start();
  EXPECT_EQ(again.size(), QSize(333, 444));
  EXPECT_EQ(again.pos(), QPoint(40, 50));
  EXPECT_EQ(World().CostFileName, chosen.toStdString());
  EXPECT_EQ(World().CurrentCosts.Markup, 1.75);
}

TEST_F(TFormTest, SettingsThatDoNotFitAreRepaired) {
  {
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Form/Left"), 90000);
    settings.setValue(QStringLiteral("Form/Top"), QStringLiteral("junk"));
    settings.setValue(QStringLiteral("Form/Width"), 10);
    settings.setValue(QStringLiteral("Form/Height"), -5);
  }
  TFormKorvane &form = Start();
  EXPECT_GE(form.width(), TFormKorvane::kMinWidth);
  EXPECT_GE(form.height(), TFormKorvane::kMinHeight);
  EXPECT_LT(form.pos().x(), 5000) << "a window off every screen comes back";
}

TEST_F(TFormTest, ABadCostFileOnTheOptionsPageRevertsToTheLastOne) {
  TFormKorvane &form = Start();
  form.GridOptions()->SetData(1, 1, Variant(std::string("/no/such/file.cst")));
  form.GridOptions()->Rows().DoSetData(1, 1);
  ASSERT_EQ(messages.messages.size(), 1u) << "told once, for the file typed";
  EXPECT_EQ(World().CostFileName, kDefaultCost);
  EXPECT_EQ(World().LastCostFile, kDefaultCost);
  EXPECT_EQ(form.GridOptions()->Cells(1, 1), kDefaultCost);
  EXPECT_EQ(Details(3), kDefaultCost + "    ");
}

TEST_F(TFormTest, TheCostFileButtonChoosesAFileOrLeavesTheRow) {
  TFormKorvane &form = Start();
  const QString chosen = TempFile(QStringLiteral("picked.cst"));
  WriteCostFile(chosen, 3.0);
  form.show();
  form.GridOptions()->FocusCell(1, 1);
  ASSERT_TRUE(form.GridOptions()->PropEditorButton()->isVisibleTo(form.GridOptions()));

  dialogs.answers = {QString()};
  form.GridOptions()->PropEditorButton()->click();
  EXPECT_EQ(form.GridOptions()->Cells(1, 1), kDefaultCost);
  EXPECT_EQ(World().LastCostFile, kDefaultCost);
  ASSERT_EQ(dialogs.asked.size(), 1);
  EXPECT_EQ(dialogs.asked[0].filter, QStringLiteral("Cost file (*.cst)"));

  dialogs.answers = {chosen};
  form.GridOptions()->PropEditorButton()->click();
  EXPECT_EQ(form.GridOptions()->Cells(1, 1), chosen.toStdString());
  EXPECT_EQ(World().LastCostFile, chosen.toStdString());
  EXPECT_EQ(World().CurrentCosts.Markup, 3.0);
  EXPECT_EQ(Details(3), chosen.toStdString() + "    ");
}

TEST_F(TFormTest, TheCostFileButtonOpensTheCostEditorOverTheLiveCosts) {
  TFormKorvane &form =
      Start({}, MakeCostEditor(StageDir() + QStringLiteral("/Korvane/"),
                               StageDir() + QStringLiteral("/Common Files/"), SettingsFile()));
  QString shown;
  bool insertEnabled = true;
  onModal = [&](QWidget *w) {
    shown = w->metaObject()->className();
    if (auto *insert = w->findChild<QPushButton *>(QStringLiteral("InsertBtn")))
      insertEnabled = insert->isEnabled();
    World().CostFileName = "changed-inside.cst"; // what the editor may do
    static_cast<QDialog *>(w)->reject();
  };
  form.show();
  form.GridOptions()->FocusCell(1, 1);
  form.GridOptions()->PropEditorButton()->click();
  EXPECT_EQ(shown, QStringLiteral("korvane::TPricesDlg"));
  EXPECT_FALSE(insertEnabled) << "the window has no bill to insert into";
  // Cancelled: the editor put its backup back, and the row keeps its text.
  EXPECT_EQ(World().CostFileName, kDefaultCost);
  EXPECT_EQ(form.GridOptions()->Cells(1, 1), kDefaultCost);
}

TEST_F(TFormTest, F9SolvesWithTheCostsInMemoryTheSolveButtonReloadsTheFile) {
  const QString file = TempFile(QStringLiteral("live.cst"));
  WriteCostFile(file, 1.0);
  TFormKorvane &form = Start({file});
  const double price = form.Report().Price;
  WriteCostFile(file, 2.0);
  form.ActionSolve->trigger();
  EXPECT_DOUBLE_EQ(form.Report().Price, price);
  form.ButtonSolve->click();
  EXPECT_DOUBLE_EQ(form.Report().Price, price * 2.0);
  EXPECT_EQ(form.ActionSolve->shortcut(), QKeySequence(Qt::Key_F9));
}

TEST_F(TFormTest, CopyPutsTheBillLineOnTheClipboardWithoutSolving) {
  TFormKorvane &form = Start();
  QGuiApplication::clipboard()->clear();
  form.ActionCopy->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("StraightRect (Erection=Exclude, Brackets=Exclude, Insulation=None)\r\n"
                           "\t-\t600  500  2.400\r\n"));
  // A changed cell that was never committed is not in the copy.
  form.GridDimensions->SetData(1, 1, Variant(900.0));
  form.ActionCopy->trigger();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("600  500  2.400\r\n")));
}

TEST_F(TFormTest, SaveAndOpenAnItemFile) {
  TFormKorvane &form = Start();
  const QString file = TempFile(QStringLiteral("items.kvd"));
  dialogs.answers = {file};
  form.ActionSave->trigger();
  ASSERT_EQ(dialogs.asked.size(), 1);
  EXPECT_EQ(dialogs.asked[0].filter, QStringLiteral("Korvane File (*.kvd)"));
  EXPECT_EQ(dialogs.asked[0].defaultSuffix, QStringLiteral("kvd"));
  EXPECT_EQ(dialogs.asked[0].proposed, QStringLiteral("Default.kvd"));
  EXPECT_TRUE(ReadAll(file).contains("[Straight Rectangular]\r\nWidth=600\r\n"));
  EXPECT_EQ(World().ItemFileName, file.toStdString());

  // Change values of two types, then open the saved file again.
  World().Catalogue.ItemValues[dtTaper][4] = Variant(1.8);
  form.GridDimensions->SetData(1, 1, Variant(1000.0));
  form.GridDimensions->Rows().DoSetData(1, 1);
  EXPECT_EQ(Details(1), "1000mm x 500mm  2.400m");
  dialogs.answers = {QString()};
  form.ActionOpen->trigger(); // cancelled: nothing changes
  EXPECT_EQ(form.GridDimensions->Cells(1, 1), "1000");
  dialogs.answers = {file};
  form.ActionOpen->trigger();
  EXPECT_EQ(dialogs.asked.last().filter, QStringLiteral("Korvane file (*.kvd)"));
  EXPECT_EQ(dialogs.asked.last().proposed, file);
  EXPECT_EQ(form.GridDimensions->Cells(1, 1), "600");
  EXPECT_EQ(Details(1), "600mm x 500mm  2.400m");
  EXPECT_NE(World().Catalogue.ItemValues[dtTaper][4], Variant(1.8));
  EXPECT_EQ(World().Catalogue.CurrentType, dtStraightRect);
  EXPECT_TRUE(messages.messages.empty());
}

bool FailEveryWrite(std::string_view, std::size_t, std::size_t) {
  return false;
}

TEST_F(TFormTest, AFailedItemSaveKeepsTheOldFileAndSaysWhy) {
  TFormKorvane &form = Start();
  const QString file = TempFile(QStringLiteral("kept.kvd"));
  const QByteArray old = "[Straight Rectangular]\r\nWidth=750\r\n\r\n";
  WriteAll(file, old);
  dialogs.answers = {file};
  SetWriteFaultHook(&FailEveryWrite);
  form.ActionSave->trigger();
  SetWriteFaultHook(nullptr);
  EXPECT_EQ(ReadAll(file), old);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].kind, TMsgKind::Error);
  EXPECT_FALSE(messages.messages[0].text.empty());
}

TEST_F(TFormTest, ComingBackToTheWindowShowsTheFirstRowOfTheDimensions) {
  TFormKorvane &form = Start();
  form.PageControl1->setCurrentIndex(1);
  form.GridDimensions->FocusCell(1, 3);
  form.FormActivate();
  EXPECT_EQ(form.PageControl1->currentIndex(), 0);
  EXPECT_EQ(form.GridDimensions->Row(), 1);
  EXPECT_FALSE(form.ActionReport->isVisible());
  EXPECT_TRUE(form.ActionClose->isVisible());
}

TEST_F(TFormTest, ABadCellEndsInBadDataAndKeepsTheLastCopy) {
  TFormKorvane &form = Start();
  const QString copied = [&] {
    form.ActionCopy->trigger();
    return QGuiApplication::clipboard()->text();
  }();
  form.GridDimensions->SetCells(1, 1, "wide");
  form.GridDimensions->Rows().DoSetData(1, 1);
  EXPECT_EQ(form.StatusText(), QStringLiteral("Bad data..."));
  EXPECT_EQ(form.Memo1()->toPlainText(), QStringLiteral("Straight Rectangular"));
  form.ActionCopy->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
}

} // namespace
} // namespace korvane::test
