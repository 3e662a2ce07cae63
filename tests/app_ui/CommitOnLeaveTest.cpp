// A value typed into the grid and left without Enter is stored, priced,
// saved and copied whichever way the user leaves it: the window never shows
// one value and prices another.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include "app/ui/FormKorvane.h"
#include "controls/ui/EntryGrid.h"
#include "tests/app_ui/FormTestWorld.h"

namespace korvane::test {
namespace {

constexpr int kWidthRow = 1;

struct TRoad {
  const char *name;
  std::function<void(TFormKorvane &form, TScriptedDialogs &dialogs)> take;
};

void ClickTab(TFormKorvane &form, int index) {
  QTabBar *bar = form.PageControl1->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void KeyToFocus(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), key, mods);
}

const TRoad kRoads[] = {
    {"SaveButton",
     [](TFormKorvane &form, TScriptedDialogs &dialogs) {
       dialogs.answers << QString(); // cancelled: leaving is enough
       QTest::mouseClick(form.ButtonSave, Qt::LeftButton);
     }},
    {"AltS",
     [](TFormKorvane &, TScriptedDialogs &dialogs) {
       dialogs.answers << QString();
       KeyToFocus(Qt::Key_S, Qt::AltModifier);
     }},
    {"OpenButton",
     [](TFormKorvane &form, TScriptedDialogs &dialogs) {
       dialogs.answers << QString();
       QTest::mouseClick(form.ButtonOpen, Qt::LeftButton);
     }},
    {"CopyButton", [](TFormKorvane &form,
                      TScriptedDialogs &) { QTest::mouseClick(form.ButtonCopy, Qt::LeftButton); }},
    {"F9", [](TFormKorvane &, TScriptedDialogs &) { KeyToFocus(Qt::Key_F9); }},
    {"SolveButton",
     [](TFormKorvane &form, TScriptedDialogs &) {
       QTest::mouseClick(form.ButtonSolve, Qt::LeftButton);
     }},
    {"DetailsTab", [](TFormKorvane &form, TScriptedDialogs &) { ClickTab(form, 2); }},
    {"OptionsTab", [](TFormKorvane &form, TScriptedDialogs &) { ClickTab(form, 1); }},
    {"CtrlTab",
     [](TFormKorvane &, TScriptedDialogs &) { KeyToFocus(Qt::Key_Tab, Qt::ControlModifier); }},
    {"HelpDropDown",
     [](TFormKorvane &form, TScriptedDialogs &) {
       QTimer::singleShot(50, form.PopupMenu1, &QMenu::close);
       form.ToolButton1->showMenu();
     }},
    {"TypeCombo",
     [](TFormKorvane &form, TScriptedDialogs &) {
       form.ComboDuctType->setCurrentIndex(1);
       form.ComboDuctType->setCurrentIndex(0);
     }},
    {"ModalDialog",
     [](TFormKorvane &form, TScriptedDialogs &) {
       QDialog dialog(&form);
       QTimer::singleShot(50, &dialog, &QDialog::reject);
       dialog.exec();
     }},
    {"AnotherWindow",
     [](TFormKorvane &, TScriptedDialogs &) {
       QWidget other;
       other.show();
       other.activateWindow();
       ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
     }},
    {"CloseWindow", [](TFormKorvane &form, TScriptedDialogs &) { form.close(); }},
};

void PrintTo(const TRoad &road, std::ostream *os) {
  *os << road.name;
}

class TCommitOnLeaveTest : public TFormTest, public ::testing::WithParamInterface<TRoad> {};

TEST_P(TCommitOnLeaveTest, TheTypedValueIsStoredPricedSavedAndCopied) {
  onModal = [](QWidget *dialog) { dialog->close(); }; // the modal road's own dialog
  TFormKorvane &form = Start();
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  int fired = 0;
  auto handler = form.GridDimensions->OnDoSetData;
  form.GridDimensions->OnDoSetData = [&](QObject *sender, int c, int r) {
    ++fired;
    handler(sender, c, r);
  };

  TEntryGrid &grid = *form.GridDimensions;
  grid.setFocus();
  grid.FocusCell(1, kWidthRow);
  for (const char ch : {'1', '0', '0', '0'})
    KeyToFocus(Qt::Key(ch));
  ASSERT_TRUE(grid.EditorOpen());
  ASSERT_EQ(fired, 0);

  GetParam().take(form, dialogs);
  QTest::qWait(20);

  EXPECT_EQ(fired, 1);
  EXPECT_FALSE(grid.EditorOpen());
  EXPECT_EQ(World().Catalogue.ItemValues[0][0].toDouble(), 1000.0);
  EXPECT_EQ(Details(1), "1000mm x 500mm  2.400m");
  EXPECT_EQ(form.StatusText().toStdString(), form.Report().StatusText);
  const std::string shown = form.Report().StatusText;
  form.SolveItem();
  EXPECT_EQ(form.Report().StatusText, shown) << "the status priced what the grid holds";

  form.ActionCopy->trigger();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("1000")))
      << QGuiApplication::clipboard()->text().toStdString();
  const QString file = TempFile(QStringLiteral("road.kvd"));
  dialogs.answers << file;
  form.ActionSave->trigger();
  QFile saved(file);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().contains("Width=1000")) << GetParam().name;
  EXPECT_EQ(fired, 1) << "nothing was left to commit";
}

INSTANTIATE_TEST_SUITE_P(EveryRoad, TCommitOnLeaveTest, ::testing::ValuesIn(kRoads),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TFormTest, EveryActivationShowsTheDimensionsWithTheGridFocused) {
  onModal = [](QWidget *) {}; // the test's own dialog, closed below
  TFormKorvane &form = Start();
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.PageControl1->setCurrentIndex(1);
  // The return from one of the window's own dialogs is an activation too.
  QDialog dialog(&form);
  QTimer::singleShot(0, &dialog, [&dialog] {
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.reject();
  });
  dialog.exec();
  form.activateWindow(); // as the window manager does when the dialog goes
  // The activation reaches the window a moment after the platform's.
  EXPECT_TRUE(QTest::qWaitFor([&] { return form.PageControl1->currentIndex() == 0; }));
  EXPECT_EQ(QApplication::focusWidget(), form.GridDimensions);
  EXPECT_EQ(form.GridDimensions->Row(), 1);
}

TEST_F(TFormTest, AfterACostFileErrorAtStartTheGridHasTheFocus) {
  const QString bad = TempFile(QStringLiteral("bad.cst"));
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a cost file");
  file.close();
  int boxes = 0;
  onModal = [&boxes](QWidget *box) {
    ++boxes;
    box->close(); // the user presses OK
  };
  realMessageBoxes = true;
  TFormKorvane &form = Start({bad});
  ASSERT_EQ(boxes, 1);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == form.GridDimensions; }));
}

} // namespace
} // namespace korvane::test
