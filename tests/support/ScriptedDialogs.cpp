#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace korvane::test {

QString TScriptedDialogs::next(const TFileDialogRequest &request) {
  asked << request;
  if (answers.isEmpty()) {
    ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
    return QString();
  }
  return answers.takeFirst();
}

QString TScriptedDialogs::OpenFileName(QWidget *, const TFileDialogRequest &request) {
  return next(request);
}

QString TScriptedDialogs::SaveFileName(QWidget *, const TFileDialogRequest &request) {
  return next(request);
}

} // namespace korvane::test
