#include "costs/ui/ScrivelForm.h"

#include <QApplication>
#include <QFile>
#include <QHideEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QtTest/qtestspontaneevent.h>

#include <deque>

#include "costs/ui/ScrivelPrinter.h"
#include "desktop/ScrivelEditor.h"
#include "desktop/SearchDialog.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/UiTest.h"

namespace korvane {
namespace {

struct TSaid {
  TMsgKind kind;
  TMsgButtons buttons;
  QString text;
};

class ScrivelFormTest : public test::TUiTest {
protected:
  // Every dialog and message answers from the test; one nobody prepared
  // for fails it.
  class TScriptedSink : public TMessageSink {
  public:
    explicit TScriptedSink(ScrivelFormTest &test) : test_(test) {}
    TMsgResult Show(TMsgKind kind, TMsgButtons buttons, const std::string &text) override {
      test_.said.push_back({kind, buttons, QString::fromStdString(text)});
      if (test_.answers.empty()) {
        ADD_FAILURE() << "unexpected message: " << text;
        return TMsgResult::Cancel;
      }
      const TMsgResult r = test_.answers.front();
      test_.answers.pop_front();
      return r;
    }

  private:
    ScrivelFormTest &test_;
  };

  TScrivelServices Services() {
    return {&dialogs, &messages, [this](const QUrl &url) {
              opened << url;
              return true;
            }};
  }

  std::unique_ptr<TScrivelForm> MakeForm() {
    return std::make_unique<TScrivelForm>(Services(), File("Tarnwell/korvane.conf"));
  }

  // The form on a file holding `bytes`, loaded.
  std::unique_ptr<TScrivelForm> FormOn(const QString &name, const QByteArray &bytes) {
    test::WriteAll(File(name), bytes);
    auto form = MakeForm();
    form->SetFileName(File(name));
    EXPECT_TRUE(form->Load());
    return form;
  }

  std::vector<TSaid> said;
  std::deque<TMsgResult> answers;
  test::TScriptedDialogs dialogs;
  TScriptedSink messages{*this};
  QList<QUrl> opened;
};

const QByteArray kIni = "[Nipple]\r\nd100=12.5\r\nd125=13\r\n";

TEST_F(ScrivelFormTest, StartsReadyWithTheProductCaption) {
  auto form = MakeForm();
  EXPECT_EQ(form->windowTitle(), QStringLiteral(KORVANE_PRODUCT_NAME " %1.%2.%3.%4")
                                     .arg(KORVANE_VERSION_MAJOR)
                                     .arg(KORVANE_VERSION_MINOR)
                                     .arg(KORVANE_VERSION_PATCH)
                                     .arg(KORVANE_VERSION_TWEAK));
  EXPECT_EQ(form->StatusText(), "Ready..");
  EXPECT_TRUE(form->FileName().isEmpty());
  EXPECT_FALSE(form->IsModified());
}

TEST_F(ScrivelFormTest, LoadShowsTheFileAndEditsMarkItModified) {
  auto form = FormOn("Fittings.ini", kIni);
  EXPECT_EQ(form->windowTitle(), File("Fittings.ini"));
  EXPECT_EQ(form->Editor()->text(), "[Nipple]\nd100=12.5\nd125=13\n");
  EXPECT_EQ(form->StatusText(), "Ready...");
  form->Editor()->insert("x");
  EXPECT_TRUE(form->IsModified());
  EXPECT_EQ(form->StatusText(), "Modified...");
}

TEST_F(ScrivelFormTest, CloseAnsweredNoLeavesTheFileAsItWas) {
  auto form = FormOn("Fittings.ini", kIni);
  form->Editor()->setText("[Nipple]\nd100=99\n");
  answers = {TMsgResult::No};
  EXPECT_TRUE(form->close());
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].kind, TMsgKind::Confirmation);
  EXPECT_EQ(said[0].buttons, TMsgButtons::YesNoCancel);
  EXPECT_EQ(said[0].text, "Fittings.ini not saved.\rSave now?");
  EXPECT_EQ(test::ReadAll(File("Fittings.ini")), kIni);
}

TEST_F(ScrivelFormTest, CloseAnsweredYesWritesEveryLineWithCrLf) {
  auto form = FormOn("Fittings.ini", kIni);
  form->Editor()->setText("[Nipple]\nd100=99   \r\nd125=13\rd150=14");
  answers = {TMsgResult::Yes};
  EXPECT_TRUE(form->close());
  EXPECT_EQ(test::ReadAll(File("Fittings.ini")), "[Nipple]\r\nd100=99\r\nd125=13\r\nd150=14\r\n");
  EXPECT_FALSE(form->IsModified());
}

TEST_F(ScrivelFormTest, CancelOrAFailedSaveKeepsTheWindowOpen) {
  auto form = FormOn("Fittings.ini", kIni);
  form->show();
  form->Editor()->setText("changed\n");
  answers = {TMsgResult::Cancel};
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());

  // Yes, but the file cannot be written: the text must not be thrown away.
  form->SetFileName(File("no such folder/Fittings.ini"));
  answers = {TMsgResult::Yes, TMsgResult::Ok};
  EXPECT_FALSE(form->close());
  ASSERT_EQ(said.size(), 3u);
  EXPECT_EQ(said[2].kind, TMsgKind::Error);
  EXPECT_TRUE(said[2].text.contains("no such folder")) << said[2].text.toStdString();
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->IsModified());
  EXPECT_EQ(test::ReadAll(File("Fittings.ini")), kIni);

  // Without a name, Yes asks for one; cancelling that keeps the window too.
  auto unnamed = MakeForm();
  unnamed->Editor()->setText("text");
  answers = {TMsgResult::Yes};
  dialogs.answers = {QString()};
  EXPECT_FALSE(unnamed->close());
  EXPECT_EQ(said.back().text, "File not saved.\rSave now?");
  form->hide();
}

TEST_F(ScrivelFormTest, AMissingFileKeepsTheTextAndSaveCreatesIt) {
  auto form = FormOn("old.ini", "[A]\r\nx=1\r\n");
  form->SetFileName(File("new.ini"));
  EXPECT_FALSE(form->Load());
  EXPECT_EQ(form->Editor()->text(), "[A]\nx=1\n");
  EXPECT_EQ(form->FileName(), File("new.ini"));
  EXPECT_TRUE(form->Save());
  EXPECT_EQ(test::ReadAll(File("new.ini")), "[A]\r\nx=1\r\n");
  EXPECT_EQ(form->windowTitle(), File("new.ini"));
}

TEST_F(ScrivelFormTest, OldCodePageTextReadsWithoutLoss) {
  auto form = FormOn("old.ini", "angle=45\xB0\r\n");
  EXPECT_EQ(form->Editor()->text(), QString::fromUtf8("angle=45°\n"));
  EXPECT_TRUE(form->Save());
  EXPECT_EQ(test::ReadAll(File("old.ini")), "angle=45\xC2\xB0\r\n");
}

TEST_F(ScrivelFormTest, ABinaryFileIsRefusedAndTheTextKept) {
  auto form = FormOn("a.ini", "a=1\r\n");
  test::WriteAll(File("bin.dta"), QByteArray("ab\0cd", 5));
  form->SetFileName(File("bin.dta"));
  answers = {TMsgResult::Ok};
  EXPECT_FALSE(form->Load());
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].kind, TMsgKind::Error);
  EXPECT_EQ(form->Editor()->text(), "a=1\n");
  EXPECT_EQ(test::ReadAll(File("bin.dta")), QByteArray("ab\0cd", 5));
}

TEST_F(ScrivelFormTest, LineCountCountsLinesNotLineEnds) {
  auto form = MakeForm();
  const struct {
    const char *text;
    const char *said;
  } cases[] = {{"", "Line Count: 0"},
               {"one", "Line Count: 1"},
               {"one\n", "Line Count: 1"},
               {"one\ntwo", "Line Count: 2"},
               {"\n\n", "Line Count: 2"}};
  for (const auto &c : cases) {
    form->Editor()->setText(c.text);
    answers = {TMsgResult::Ok};
    form->ShowLineCount();
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back().kind, TMsgKind::Information);
    EXPECT_EQ(said.back().text, c.said) << c.text;
  }
}

TEST_F(ScrivelFormTest, OpenAndSaveAsStartAtTheCurrentFile) {
  auto form = MakeForm();
  form->SetProgramDir(Dir());
  test::WriteAll(File("a.ini"), "a=1\r\n");
  dialogs.answers = {File("a.ini"), File("b.ini")};
  form->Open();
  EXPECT_EQ(form->FileName(), File("a.ini"));
  EXPECT_EQ(form->Editor()->text(), "a=1\n");
  EXPECT_TRUE(form->SaveAs());
  ASSERT_EQ(dialogs.asked.size(), 2);
  EXPECT_EQ(dialogs.asked[0].proposed, Dir());
  EXPECT_EQ(dialogs.asked[1].proposed, File("a.ini"));
  EXPECT_EQ(test::ReadAll(File("b.ini")), "a=1\r\n");
  EXPECT_EQ(form->FileName(), File("b.ini"));
}

TEST_F(ScrivelFormTest, NewClearsTextMarksAndUndoButKeepsTheName) {
  auto form = FormOn("a.ini", "a=1\r\nb=2\r\n");
  form->Editor()->insert("x");
  form->Editor()->markerAdd(1, TScrivelEditor::kLineMark);
  answers = {TMsgResult::No};
  form->New();
  EXPECT_TRUE(form->Editor()->text().isEmpty());
  EXPECT_FALSE(form->Editor()->isUndoAvailable());
  EXPECT_EQ(form->Editor()->markerFindNext(0, ~0), -1);
  EXPECT_EQ(form->FileName(), File("a.ini"));
}

TEST_F(ScrivelFormTest, TheFirstDroppedFileIsOpened) {
  auto form = FormOn("a.ini", "a=1\r\n");
  test::WriteAll(File("b.ini"), "b=2\r\n");
  emit form->Editor()->FilesDropped({File("b.ini"), File("a.ini")});
  EXPECT_EQ(form->FileName(), File("b.ini"));
  EXPECT_EQ(form->Editor()->text(), "b=2\n");

  // Unsaved changes are not dropped silently.
  form->Editor()->insert("x");
  answers = {TMsgResult::Cancel};
  emit form->Editor()->FilesDropped({File("a.ini")});
  EXPECT_EQ(form->FileName(), File("b.ini"));
  EXPECT_EQ(form->Editor()->text(), "xb=2\n");
}

TEST_F(ScrivelFormTest, FindAndReplaceTakeOverEachOthersText) {
  auto form = MakeForm();
  form->FindDialog()->SetFindText("d100");
  form->Replace();
  EXPECT_EQ(form->ReplaceDialog()->FindText(), "d100");
  form->ReplaceDialog()->SetFindText("d125");
  form->Find(); // its own text is not empty: kept
  EXPECT_EQ(form->FindDialog()->FindText(), "d100");
  form->FindDialog()->SetFindText("");
  form->Find();
  EXPECT_EQ(form->FindDialog()->FindText(), "d125");
  form->FindDialog()->hide();
  form->ReplaceDialog()->hide();
}

TEST_F(ScrivelFormTest, ReplaceDialogReplacesAndReportsWhatItCannotFind) {
  auto form = FormOn("a.ini", "x=1\r\nx=2\r\n");
  form->ReplaceDialog()->SetFindText("x=");
  form->ReplaceDialog()->SetReplaceText("xx=");
  emit form->ReplaceDialog()->ReplaceAllClicked();
  EXPECT_EQ(form->Editor()->text(), "xx=1\nxx=2\n");
  form->ReplaceDialog()->SetFindText("nothing");
  answers = {TMsgResult::Ok};
  emit form->ReplaceDialog()->FindNextClicked();
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].text, "Search text \"nothing\" not found.");
}

TEST_F(ScrivelFormTest, PrintsTheTextToThePrintersFile) {
  auto form = FormOn("a.ini", "[Nipple]\r\nd100=12.5\r\n");
  // Nothing to print on: told, not silently dropped.
  form->Printer().setOutputFormat(QPrinter::PdfFormat);
  form->Printer().setOutputFileName(QString());
  answers = {TMsgResult::Ok};
  EXPECT_FALSE(form->Print());
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].kind, TMsgKind::Error);

  form->Printer().setOutputFileName(File("a.pdf"));
  said.clear();
  EXPECT_TRUE(form->Print());
  EXPECT_TRUE(said.empty());
  EXPECT_TRUE(test::ReadAll(File("a.pdf")).startsWith("%PDF"));
}

TEST_F(ScrivelFormTest, ViewAndHelpMenusReachTheirServices) {
  auto form = MakeForm();
  TScrivelEditor &editor = *form->Editor();
  // The margin fits the widest number as the editor itself measures it, at
  // any zoom.
  const auto measured = [&editor] {
    return static_cast<int>(editor.SendScintilla(QsciScintillaBase::SCI_TEXTWIDTH,
                                                 QsciScintillaBase::STYLE_LINENUMBER, "0999"));
  };
  for (const int zoom : {0, 4}) {
    editor.zoomTo(zoom);
    form->LineNumbersAction()->trigger();
    EXPECT_TRUE(editor.LineNumbers());
    EXPECT_GE(editor.marginWidth(0), measured());
    EXPECT_LE(editor.marginWidth(0), measured() + 1);
    form->LineNumbersAction()->trigger();
    EXPECT_EQ(editor.marginWidth(0), 0);
  }
  form->SelectBackgroundColour();
  EXPECT_EQ(form->Editor()->Background(), QColor(255, 255, 224));
  form->SetWebSite(QUrl("https://example.org/"));
  form->BrowseWebSite();
  EXPECT_EQ(opened, QList<QUrl>({QUrl("https://example.org/")}));
}

TEST_F(ScrivelFormTest, MenusAndToolBarReadWordForWordWithTheirShortcuts) {
  const QStringList menus{
      "&File: &Open... Ctrl+O | &Save Ctrl+S | Save &As.. | Print Set&up... | &Print Ctrl+P | "
      "E&xit",
      "&Search: &Find Ctrl+F | &Replace",
      "&View: &Line Count | Line &Numbers",
      "&Edit: Cu&t Ctrl+X | &Copy Ctrl+C | &Paste Ctrl+V | Select &All Ctrl+A | &Undo Ctrl+Z",
      "&Help: Select &Background Color... | &Browse Web Site",
      "tool bar: New Ctrl+N | &Open... Ctrl+O | &Save Ctrl+S | - | Cu&t Ctrl+X | &Copy Ctrl+C | "
      "&Paste Ctrl+V",
  };
  const auto describe = [](const QString &title, const QList<QAction *> &actions) {
    QStringList items;
    for (const QAction *a : actions)
      if (!a->isSeparator() || title == "tool bar")
        items << (a->isSeparator() ? "-" : (a->text() + ' ' + a->shortcut().toString()).trimmed());
    return title + ": " + items.join(" | ");
  };
  auto form = MakeForm();
  QStringList shown;
  for (const QAction *menu : form->menuBar()->actions())
    shown << describe(menu->text(), menu->menu()->actions());
  shown << describe("tool bar", form->findChild<QToolBar *>()->actions());
  EXPECT_EQ(shown.join('\n').toStdString(), menus.join('\n').toStdString());
}

TEST_F(ScrivelFormTest, PlacementIsStoredOnCloseAndRestoredClamped) {
  {
    auto form = MakeForm();
    form->move(40, 50);
    form->resize(420, 310);
    EXPECT_TRUE(form->close());
  }
  QSettings settings(File("Tarnwell/korvane.conf"), QSettings::IniFormat);
  settings.beginGroup("ScrivelForm");
  EXPECT_EQ(settings.value("Left").toInt(), 40);
  EXPECT_EQ(settings.value("Top").toInt(), 50);
  EXPECT_EQ(settings.value("Width").toInt(), 420);
  EXPECT_EQ(settings.value("Height").toInt(), 310);
  EXPECT_EQ(settings.value("WinState").toInt(), 0);
  EXPECT_TRUE(settings.contains("Visible"));
  {
    auto form = MakeForm();
    EXPECT_EQ(form->pos(), QPoint(40, 50));
    EXPECT_EQ(form->size(), QSize(420, 310));
  }
  settings.setValue("Left", -30);
  settings.setValue("Top", 100000);
  settings.sync();
  auto form = MakeForm();
  const QSize screen = QApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(form->pos(), QPoint(0, screen.height() - 200));
}

TEST_F(ScrivelFormTest, EditFittingsIniLoadsTheSharedFileAndWaitsForTheClose) {
  test::WriteAll(File("Fittings.ini"), kIni);
  auto form = MakeForm();
  bool wasShown = false;
  QTimer::singleShot(0, form.get(), [&] {
    wasShown = form->isVisible() && form->isModal();
    form->close();
  });
  EditFittingsIni(*form, Dir());
  EXPECT_TRUE(wasShown);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->FileName(), File("Fittings.ini"));
  EXPECT_EQ(form->Editor()->text(), "[Nipple]\nd100=12.5\nd125=13\n");
}

TEST_F(ScrivelFormTest, AfterClosingWithNoTheNextOpeningReadsTheFileAgain) {
  test::WriteAll(File("Fittings.ini"), kIni);
  auto form = MakeForm();
  QTimer::singleShot(0, form.get(), [&] {
    form->Editor()->setText("[Nipple]\nd100=99\n");
    answers = {TMsgResult::No};
    form->close();
  });
  EditFittingsIni(*form, Dir());
  EXPECT_EQ(test::ReadAll(File("Fittings.ini")), kIni);

  QTimer::singleShot(0, form.get(), [&] { form->close(); });
  EditFittingsIni(*form, Dir());
  EXPECT_EQ(form->Editor()->text(), "[Nipple]\nd100=12.5\nd125=13\n");
  EXPECT_FALSE(form->IsModified());
  EXPECT_EQ(said.size(), 1u) << "only the first closing had anything to ask";
}

TEST_F(ScrivelFormTest, MinimisingTheWindowDoesNotEndTheWait) {
  onModal = [](QWidget *) {}; // the editor's own modal wait is what is tested
  test::WriteAll(File("Fittings.ini"), kIni);
  auto form = MakeForm();
  bool returned = false;
  bool stillWaiting = false;
  QTimer::singleShot(0, form.get(), [&] {
    // What the window system sends when the user minimises the window.
    QHideEvent minimised;
    QSpontaneKeyEvent::setSpontaneous(&minimised);
    QCoreApplication::instance()->notify(form.get(), &minimised); // sendEvent clears the flag
    QTimer::singleShot(0, form.get(), [&] {
      stillWaiting = !returned;
      form->close();
    });
  });
  EditFittingsIni(*form, Dir());
  returned = true;
  EXPECT_TRUE(stillWaiting);
  EXPECT_FALSE(form->isVisible());
}

} // namespace
} // namespace korvane
