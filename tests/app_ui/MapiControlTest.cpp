#include "app/ui/MapiControl.h"
#include "app/ui/HelpMenu.h"
#include "desktop/ContactDetails.h"
#include "tests/support/UiTest.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace korvane {
namespace {

using test::TUiTest;

// A stand-in for xdg-email: records its arguments, one NUL-ended each, and
// exits with the code it was made with.
class MapiControlTest : public TUiTest {
protected:
  void SetUp() override {
    TUiTest::SetUp();
    ASSERT_TRUE(bin.isValid());
    mail.MessageFunc = [this](const QString &text) { messages << text; };
    QObject::connect(&mail, &TMapiControl::OnSuccess, [this](TMapiControl *) { events << 0; });
    QObject::connect(&mail, &TMapiControl::OnUserAbort, [this](TMapiControl *) { events << 1; });
    QObject::connect(&mail, &TMapiControl::OnMapiError, [this](TMapiControl *sender, int code) {
      EXPECT_EQ(sender, &mail);
      events << code;
    });
    savedPath = qgetenv("PATH");
  }
  void TearDown() override {
    qputenv("PATH", savedPath);
    TUiTest::TearDown();
  }

  QString FakeMailProgram(int exitCode, const QString &beforeExit = QString()) {
    const QString path = bin.filePath(QStringLiteral("xdg-email"));
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write(QStringLiteral("#!/bin/sh\n"
                                "printf '%s\\0' \"$@\" > \"%1\"\n"
                                "%2\n"
                                "exit %3\n")
                     .arg(ArgsFile(), beforeExit)
                     .arg(exitCode)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
  }
  QString ArgsFile() const { return bin.filePath(QStringLiteral("args")); }
  QStringList RecordedArguments() const {
    QFile file(ArgsFile());
    if (!file.open(QIODevice::ReadOnly))
      return {QStringLiteral("<not run>")};
    QStringList args = QString::fromUtf8(file.readAll()).split(QChar(0));
    args.removeLast(); // after the last NUL
    return args;
  }

  QTemporaryDir bin;
  QByteArray savedPath;
  TMapiControl mail;
  QStringList messages;
  QList<int> events;
};

TEST_F(MapiControlTest, WithoutAMailProgramTheEnquiryOnlySaysSo) {
  qputenv("PATH", bin.path().toLocal8Bit()); // an empty folder: no xdg-email anywhere
  EXPECT_EQ(SendEnquiry(mail, DefaultContactDetails()), 26);
  EXPECT_EQ(messages, QStringList{QStringLiteral("System does not support MAPI mail server")});
  EXPECT_TRUE(events.isEmpty());
  for (QWidget *w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
}

TEST_F(MapiControlTest, AMailProgramPathThatCannotRunCountsAsNoMailSupport) {
  QFile plain(bin.filePath(QStringLiteral("not-executable")));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  for (const QString &program : {bin.filePath(QStringLiteral("missing")), plain.fileName()}) {
    messages.clear();
    mail.MailProgram = program;
    EXPECT_EQ(mail.SendMail(), MAPI_E_NOT_SUPPORTED) << program.toStdString();
    EXPECT_EQ(messages.size(), 1);
  }
  EXPECT_TRUE(events.isEmpty());
}

TEST_F(MapiControlTest, TheEnquiryGoesToTheMakerWithItsSubjectAndBody) {
  FakeMailProgram(0);
  qputenv("PATH", bin.path().toLocal8Bit() + ":" + savedPath); // found on PATH
  EXPECT_EQ(SendEnquiry(mail, DefaultContactDetails()), 0);
  EXPECT_EQ(RecordedArguments(), QStringList({"--utf8", "--subject", "Korvane Enquiry", "--body",
                                              "Please supply details of the Korvane program...",
                                              "enquiries@tarnwell.example"}));
  EXPECT_EQ(events, QList<int>{0});
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_TRUE(mail.ShowDialog);
}

TEST_F(MapiControlTest, TheEnquiryAddressComesFromTheMakersSettings) {
  mail.MailProgram = FakeMailProgram(0);
  QDir().mkpath(ConfigHome() + QStringLiteral("/Tarnwell"));
  QFile conf(ConfigHome() + QStringLiteral("/Tarnwell/Tarnwell.conf"));
  ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
  conf.write("[Tarnwell]\nemail=sales@branch.example\nweb=\n");
  conf.close();

  const TContactDetails contact = ReadContactDetails();
  EXPECT_EQ(contact.web, QString()); // present but empty stays empty
  EXPECT_EQ(contact.company, DefaultContactDetails().company);
  EXPECT_EQ(SendEnquiry(mail, contact), 0);
  EXPECT_EQ(RecordedArguments().last(), QStringLiteral("sales@branch.example"));
}

TEST_F(MapiControlTest, EveryPartOfTheMessageIsPassedAsItsOwnArgument) {
  mail.MailProgram = FakeMailProgram(0);
  const QString attachment = bin.filePath(QStringLiteral("quote 1.kvd"));
  QFile file(attachment);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  mail.Recipients = {QStringLiteral("a@x.example"), QStringLiteral(" SMTP:b@x.example "),
                     QString()};
  mail.CopyTo = {QStringLiteral("c@x.example")};
  mail.BlindCopyTo = {QStringLiteral("d@x.example"), QStringLiteral("e@x.example")};
  mail.Subject = QStringLiteral("Prijs \u2014 \"quoted\" $HOME `x`");
  mail.Body = QStringLiteral("--help\nsecond line; rm -rf /");
  mail.AttachedFiles = {attachment};

  EXPECT_EQ(mail.SendMail(), 0);
  EXPECT_EQ(RecordedArguments(),
            QStringList({"--utf8", "--cc", "c@x.example", "--bcc", "d@x.example", "--bcc",
                         "e@x.example", "--subject", mail.Subject, "--body", mail.Body, "--attach",
                         attachment, "a@x.example", "b@x.example"}));
  EXPECT_EQ(mail.DisplayFileName, QStringList{QStringLiteral("quote 1.kvd")});
}

TEST_F(MapiControlTest, MessagesThatCannotBeSentSafelyAreRefusedBeforeRunning) {
  mail.MailProgram = FakeMailProgram(0);
  const struct {
    QStringList to, cc, attach;
    int code;
  } cases[] = {
      {{QStringLiteral("--attach=/etc/passwd")}, {}, {}, MAPI_E_INVALID_RECIPS},
      {{QStringLiteral("a@x.example")}, {QStringLiteral("-x")}, {}, MAPI_E_INVALID_RECIPS},
      {{QStringLiteral("a@x.example\nb@y.example")}, {}, {}, MAPI_E_INVALID_RECIPS},
      {{QStringLiteral("a@x.example")},
       {},
       {bin.filePath(QStringLiteral("gone.kvd"))},
       MAPI_E_ATTACHMENT_NOT_FOUND},
  };
  for (const auto &c : cases) {
    events.clear();
    mail.Recipients = c.to;
    mail.CopyTo = c.cc;
    mail.AttachedFiles = c.attach;
    EXPECT_EQ(mail.SendMail(), c.code) << c.to.join(',').toStdString();
    EXPECT_EQ(events, QList<int>{c.code});
    EXPECT_FALSE(QFile::exists(ArgsFile())) << "the mail program must not run";
  }
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MapiControlTest, TheMailProgramsExitCodeBecomesTheResultAndItsEvent) {
  const struct {
    int exitCode;
    int result;
  } cases[] = {{0, 0}, {1, 2}, {2, 11}, {4, 2}, {5, 12}};
  mail.Recipients = {QStringLiteral("a@x.example")};
  for (const auto &c : cases) {
    events.clear();
    mail.MailProgram = FakeMailProgram(c.exitCode);
    EXPECT_EQ(mail.SendMail(), c.result) << "exit " << c.exitCode;
    EXPECT_EQ(events, QList<int>{c.result}) << "exit " << c.exitCode;
  }
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MapiControlTest, NoMailProgramSetUpOnTheDesktopIsToldLikeNoMailSupport) {
  mail.MailProgram = FakeMailProgram(3); // xdg-email: no handler found
  EXPECT_EQ(mail.SendMail(), MAPI_E_NOT_SUPPORTED);
  EXPECT_EQ(messages, QStringList{TMapiControl::kNotSupportedText});
  EXPECT_TRUE(events.isEmpty());
}

TEST_F(MapiControlTest, AComposerStillOpenIsHandedOverAndLeftRunning) {
  const QString done = bin.filePath(QStringLiteral("done"));
  mail.MailProgram = FakeMailProgram(0, QStringLiteral("sleep 1; : > \"%1\"").arg(done));
  mail.HandOverMsecs = 50;
  mail.Recipients = {QStringLiteral("a@x.example")};
  EXPECT_EQ(mail.SendMail(), 0);
  EXPECT_EQ(events, QList<int>{0});
  EXPECT_FALSE(QFile::exists(done)); // still composing when SendMail returned
  // The program must be allowed to finish, not be killed.
  QElapsedTimer waited;
  waited.start();
  while (!QFile::exists(done) && waited.elapsed() < 10000) {
    QCoreApplication::processEvents();
    QThread::msleep(20);
  }
  EXPECT_TRUE(QFile::exists(done));
}

} // namespace
} // namespace korvane
