// The formatted numeric edit: key filter, Backspace and selection rules,
// Escape, commit with the range check, and the value in and out.
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "controls/ui/FmtEdit.h"
#include "tests/controls_ui/UiFixture.h"

namespace korvane::test {
namespace {

class FmtEditTest : public UiFixture {
protected:
  void SetUp() override {
    UiFixture::SetUp();
    auto *layout = new QVBoxLayout(&window);
    edit = new TFmtEdit(&window);
    other = new QLineEdit(&window);
    layout->addWidget(edit);
    layout->addWidget(other);
    ShowActive(window);
  }
  // Focus in the edit with `text` and the caret at its end.
  void Enter(const QString &text) {
    other->setFocus(Qt::OtherFocusReason);
    Settle();
    edit->setText(text);
    edit->setFocus(Qt::OtherFocusReason);
    Settle();
    ASSERT_TRUE(edit->hasFocus());
    edit->end(false);
  }
  void Range(const char *format, double lo, double hi) {
    edit->SetFormatStr(format);
    edit->SetRangeLo(lo);
    edit->SetRangeHi(hi);
  }

  QWidget window;
  TFmtEdit *edit = nullptr;
  QLineEdit *other = nullptr;
};

TEST_F(FmtEditTest, StartsWithItsDefaults) {
  EXPECT_EQ(edit->text(), "0.0");
  EXPECT_EQ(edit->FormatStr(), "%0.1f");
  EXPECT_EQ(edit->FormatType(), TFormatType::ft_Fixed);
  EXPECT_EQ(edit->SigDigs(), 5);
  EXPECT_EQ(edit->RangeLo(), 0.0);
  EXPECT_EQ(edit->RangeHi(), 0.0);
  EXPECT_EQ(edit->UnitsType(), TUnitsType::utNone);
  EXPECT_TRUE(edit->AutoSelect());
}

TEST_F(FmtEditTest, KeyFilterRefusesWhatCannotBelongToTheFormat) {
  struct Case {
    const char *format;
    const char *typed;
    const char *shown;
    int beeps;
  };
  const Case cases[] = {
      {"%0.1f", "12,5", "125", 1},  // the comma is refused
      {"%0.1f", "1e5E", "15", 2},   // no exponent in a fixed format
      {"%0.4g", "1e5E", "1e5E", 0}, // but in a general one
      {"%d", "-1.5", "-15", 1},     // integers have no point
      {"%0.1f/%0.1f", "1.5/2", "1.5/2", 0},
      {"%0.1f", "1/2", "12", 1},
      {"%s", "ab,c e", "ab,c e", 0}, // text takes every character
      {"%0.1f", "7 ", "7", 1},       // a space is no digit
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.format) + " <- " + c.typed);
    edit->SetFormatStr(c.format);
    Enter("");
    beeps = 0;
    Type(c.typed);
    EXPECT_EQ(edit->text().toStdString(), c.shown);
    EXPECT_EQ(beeps, c.beeps);
    EXPECT_TRUE(edit->isModified());
  }
}

TEST_F(FmtEditTest, EnterRewritesInTheFormatAndGivesADouble) {
  Enter("");
  QStringList finished; // what a listener of editingFinished sees
  QObject::connect(edit, &QLineEdit::editingFinished, [&] { finished << edit->text(); });
  Type("12.56");
  Key(Qt::Key_Return);
  EXPECT_EQ(edit->text(), "12.6");
  EXPECT_EQ(finished, QStringList{"12.6"});
  EXPECT_EQ(beeps, 0);
  const Variant v = edit->GetValue();
  ASSERT_EQ(v.kind(), Variant::Kind::Double);
  EXPECT_DOUBLE_EQ(v.asDouble(), 12.6);

  // Leaving the field commits before the edit reports it finished.
  Type("7");
  other->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(finished.value(1), "12.7");
}

TEST_F(FmtEditTest, CommitChecksTheRangeWithHalfAPercentTolerance) {
  struct Case {
    const char *format;
    double lo, hi;
    const char *typed;
    const char *shown;
    bool clamped;
  };
  const Case cases[] = {
      {"%0.0f", 100, 2400, "5000", "2400", true},
      {"%0.0f", 100, 2400, "2410", "2410", false}, // within 0.5 % of 2400
      {"%0.1f", 100, 2400, "2500", "2400.0", true},
      {"%0.1f", 100, 2400, "99.6", "99.6", false}, // within 0.5 % of 100
      {"%0.1f", 100, 2400, "50", "100.0", true},
      {"%0.1f", 0, 5, "-1", "0.0", true}, // no tolerance at a zero bound
      {"%0.1f", 0, 0, "-99999", "-99999.0", false},
      {"%0.1f", 3, 3.000001, "70", "70.0", false}, // bounds that close mean no range
      {"%d", 1, 10, "12", "10", true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.format) + " " + c.typed);
    Range(c.format, c.lo, c.hi);
    Enter("");
    beeps = 0;
    Type(c.typed);
    Key(Qt::Key_Return);
    EXPECT_EQ(edit->text().toStdString(), c.shown);
    EXPECT_EQ(beeps, c.clamped ? 1 : 0);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_TRUE(edit->isModified());
  }
}

TEST_F(FmtEditTest, FocusLossWithAClampedValueTakesTheFocusBack) {
  Range("%0.0f", 100, 2400);
  Enter("800");
  Type("0");
  other->setFocus(Qt::TabFocusReason);
  Settle();
  EXPECT_EQ(edit->text(), "2400");
  EXPECT_EQ(beeps, 1);
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_TRUE(edit->isModified());
  // The entry text is still the one from before the clamp.
  EXPECT_EQ(edit->EntryText(), "800");

  // A valid value lets the focus go, without a beep.
  edit->selectAll();
  Type("950");
  other->setFocus(Qt::TabFocusReason);
  Settle();
  EXPECT_EQ(edit->text(), "950");
  EXPECT_EQ(beeps, 1);
  EXPECT_TRUE(other->hasFocus());
}

TEST_F(FmtEditTest, AClampedValueKeepsItsDialogOpenUntilTheUserHasSeenIt) {
  QDialog dialog;
  auto *layout = new QVBoxLayout(&dialog);
  auto *width = new TFmtEdit(&dialog);
  auto *ok = new QPushButton("OK", &dialog);
  layout->addWidget(width);
  layout->addWidget(ok);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  width->SetFormatStr("%0.0f");
  width->SetRangeLo(100);
  width->SetRangeHi(2400);
  ShowActive(dialog);
  auto retype = [&](const char *text) {
    width->setFocus(Qt::OtherFocusReason);
    Settle();
    width->selectAll();
    Type(text);
  };

  // Enter on a clamped value is the edit's own: the default button stays put.
  retype("5000");
  Key(Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(width->text(), "2400");

  // A press on OK takes the focus, the clamp takes it back before the
  // release, so the button does not click over the clamped value.
  retype("9000");
  QTest::mousePress(ok, Qt::LeftButton);
  Settle();
  QTest::mouseRelease(ok, Qt::LeftButton);
  Settle();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(width->hasFocus());
  EXPECT_EQ(width->text(), "2400");
  EXPECT_EQ(beeps, 2);

  // A valid value lets Enter reach the default button.
  retype("950");
  Key(Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(width->text(), "950");
  EXPECT_EQ(beeps, 2);
}

TEST_F(FmtEditTest, UnmodifiedTextIsLeftAloneOnCommit) {
  Range("%0.0f", 100, 2400);
  Enter("5000");
  Key(Qt::Key_Return);
  other->setFocus(Qt::TabFocusReason);
  Settle();
  EXPECT_EQ(edit->text(), "5000");
  EXPECT_EQ(beeps, 0);
}

TEST_F(FmtEditTest, ANonNumericTextStaysAsTypedAndComesBackAsText) {
  edit->SetFormatStr("%0.1f");
  Enter("");
  QApplication::clipboard()->setText("abc"); // pasted text is not filtered
  Key(Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(edit->text(), "abc");
  Key(Qt::Key_Return);
  EXPECT_EQ(edit->text(), "abc");
  EXPECT_EQ(beeps, 0);
  EXPECT_EQ(edit->GetValue(), Variant("abc"));
}

TEST_F(FmtEditTest, EscapeRestoresTheEntryTextThenLeavesTheKeyToTheDialog) {
  Enter("3.0");
  Type("5");
  ASSERT_EQ(edit->text(), "3.05");
  QKeyEvent first(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(edit, &first);
  EXPECT_TRUE(first.isAccepted());
  EXPECT_EQ(edit->text(), "3.0");
  EXPECT_FALSE(edit->isModified());
  QKeyEvent second(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(edit, &second);
  EXPECT_FALSE(second.isAccepted());
}

TEST_F(FmtEditTest, AModifiedEditKeepsADialogOpenOnEscape) {
  QDialog dialog;
  auto *layout = new QVBoxLayout(&dialog);
  auto *inDialog = new TFmtEdit(&dialog);
  layout->addWidget(inDialog);
  ShowActive(dialog);
  inDialog->setFocus(Qt::OtherFocusReason);
  Settle();
  inDialog->end(false);
  Type("7");
  Key(Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(inDialog->text(), "0.0");
  Key(Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FmtEditTest, BackspaceRemovesOnlyTheCharacterBeforeTheSelection) {
  struct Case {
    int selStart, selLength; // a caret when the length is 0
    const char *shown;
  };
  const Case cases[] = {
      {2, 0, "13"},  // caret after "12"
      {0, 3, "123"}, // whole text selected: nothing before it
      {1, 2, "23"},  // the selection itself stays
      {0, 0, "123"}, // at the start nothing happens
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.shown);
    edit->SetFormatStr("%d");
    Enter("123");
    if (c.selLength > 0)
      edit->setSelection(c.selStart, c.selLength);
    else
      edit->setCursorPosition(c.selStart);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(edit->text().toStdString(), c.shown);
    EXPECT_TRUE(edit->isModified());
  }
}

TEST_F(FmtEditTest, ARefusedKeyStillDeletesASelectionOfTwoOrMore) {
  Enter("123.4");
  edit->setSelection(1, 2);
  Type("x");
  EXPECT_EQ(edit->text(), "1.4");
  EXPECT_EQ(beeps, 1);
  // One selected character is replaced by an accepted key.
  edit->setSelection(0, 1);
  Type("9");
  EXPECT_EQ(edit->text(), "9.4");
}

TEST_F(FmtEditTest, AReadOnlyEditIgnoresTypingWithoutABeep) {
  edit->setReadOnly(true);
  Enter("1.0");
  Type("x5");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), "1.0");
  EXPECT_EQ(beeps, 0);
}

TEST_F(FmtEditTest, SetValueWritesInTheFormatAndKeepsTheModifiedFlag) {
  struct Case {
    const char *format;
    TFormatType type;
    Variant value;
    const char *shown;
  };
  const Case cases[] = {
      {"%0.1f", TFormatType::ft_Fixed, Variant(3.14159), "3.1"},
      {"%0.1f", TFormatType::ft_Auto, Variant(3.14159), "3.142"},
      {"%d", TFormatType::ft_Fixed, Variant(2.5), "2"}, // halves to even
      {"%d", TFormatType::ft_Fixed, Variant(3.5), "4"},
      {"%0.2f", TFormatType::ft_Fixed, Variant("12.5"), "12.50"},
      {"%0.2f", TFormatType::ft_Fixed, Variant("twelve"), ""}, // cannot be shown
      {"%s", TFormatType::ft_Fixed, Variant("Default.cst"), "Default.cst"},
      {"%0.1f/%0.1f", TFormatType::ft_Fixed, Variant("2/3.25"), "2.0/3.3"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.shown);
    edit->SetFormatStr(c.format);
    edit->SetFormatType(c.type);
    edit->setModified(true);
    edit->SetValue(c.value);
    EXPECT_EQ(edit->text().toStdString(), c.shown);
    EXPECT_TRUE(edit->isModified());
  }
}

TEST_F(FmtEditTest, GetValueFollowsTheFormatsKind) {
  struct Case {
    const char *format;
    const char *text;
    Variant value;
  };
  const Case cases[] = {
      {"%0.1f", " 1 2.5 ", Variant(12.5)},       {"%0.1f", "", Variant(0.0)},
      {"%d", "2.5", Variant(std::int32_t{2})},   {"%d", "3.5", Variant(std::int32_t{4})},
      {"%d", "9e99", Variant("9e99")}, // out of the integer range
      {"%S", "some text", Variant("some text")}, {"%0.1f/%0.1f", "1/2", Variant("1.0/2.0")},
      {"%0.1f/%0.1f", "3", Variant("3")},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.format) + " " + c.text);
    edit->SetFormatStr(c.format);
    edit->setText(c.text);
    EXPECT_EQ(edit->GetValue(), c.value);
  }
}

TEST_F(FmtEditTest, FormatPercentCapitalSEmptiesTheNumericDefaultOnly) {
  edit->SetFormatStr("%S");
  EXPECT_EQ(edit->text(), "");

  edit->setText("0.0");
  edit->SetFormatStr("%s"); // only exactly "%S" does it
  EXPECT_EQ(edit->text(), "0.0");

  edit->setText("1.0");
  edit->SetFormatStr("%S");
  EXPECT_EQ(edit->text(), "1.0");
}

TEST_F(FmtEditTest, NoUnitsMeansNoConversion) {
  EXPECT_EQ(UnitsTypeName(TUnitsType::utNone), "utNone");
  EXPECT_EQ(UnitsTypeName(TUnitsType::utWaterPressDrop), "utWaterPressDrop");
  EXPECT_EQ(static_cast<int>(TUnitsType::utWaterPressDrop), 55);

  QLabel label("mm");
  edit->SetFormatStr("%s");
  edit->SetUnitsLabel(&label); // a text format becomes "%0.1f" under a label
  EXPECT_EQ(edit->FormatStr(), "%0.1f");
  EXPECT_EQ(label.text(), "");
  edit->SetFormatStr("%0.3f");
  edit->setText("2.5");
  edit->SetUnitsValue(7); // not limited under utNone, and nothing converts
  EXPECT_EQ(edit->UnitsValue(), 7);
  EXPECT_EQ(edit->text(), "2.500");
  EXPECT_EQ(edit->Decimals(), 3);
  EXPECT_EQ(edit->GetValue(), Variant(2.5));
}

} // namespace
} // namespace korvane::test
