#pragma once
// The cost editor on a world of its own: a cost record, a file name, a price
// table and a shared data folder in the test's temporary folder. File
// dialogs answer from a queue, and one nobody prepared for fails the test.
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>

#include <deque>
#include <memory>

#include "costs/CostFile.h"
#include "costs/ui/CostValueEdit.h"
#include "costs/ui/PricesDlg.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/UiTest.h"

namespace korvane::test {

class TPricesDlgTest : public TUiTest {
protected:
  void SetUp() override {
    TUiTest::SetUp();
    costs = DefaultCosts();
    ASSERT_TRUE(QDir(Dir()).mkpath(QStringLiteral("Common Files")));
    shared = File(QStringLiteral("Common Files")).toStdString() + "/";
  }

  TPricesServices Services() {
    TPricesServices s;
    s.dialogs = &dialogs;
    s.execModal = [](QDialog &dialog) { ADD_FAILURE() << dialog.windowTitle().toStdString(); };
    s.openPrintDevice = [](const QString &) { return std::unique_ptr<QPagedPaintDevice>(); };
    s.billScratchPath = File(QString::fromLatin1(kBillScratchName)).toStdString();
    return s;
  }

  std::unique_ptr<TPricesDlg> MakeDlg() {
    return std::make_unique<TPricesDlg>(TPricesWorld{costs, fileName, table, sink,
                                                     [this] { ++endCalls; },
                                                     Dir().toStdString() + "/", shared},
                                        Services());
  }

  // Shows the dialog as exec() would, without a modal loop of its own.
  static void Show(TPricesDlg &dlg) {
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
  }

  // Types `text` into a field as the user would, and moves on.
  static void Type(TPricesDlg &dlg, const char *field, const QString &text) {
    TCostValueEdit *edit = dlg.Field(field);
    dlg.Pages()->setCurrentWidget(edit->parentWidget()->parentWidget());
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }

  // A cost file in the test folder holding `rec`.
  std::string CostFile(const QString &name, TCostRec rec) {
    const std::string path = File(name).toStdString();
    EXPECT_TRUE(SaveCostFile(path, rec, sink));
    return path;
  }

  TCostRec costs{};
  std::string fileName;
  TSpiralPriceTable table;
  TRecordingSink sink;
  int endCalls = 0;
  std::string shared;
  TScriptedDialogs dialogs; // the file dialogs' answers and what they were asked
};

} // namespace korvane::test
