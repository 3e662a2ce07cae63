#pragma once
// The editor's find and replace dialogs: modeless, so the user can keep
// searching while editing. One class serves both; the replace form adds the
// replacement text and its buttons and always searches downwards.
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvane {

struct TSearchOptions {
  bool down = true;
  bool matchCase = false;
  bool wholeWord = false;
};

class TSearchDialog : public QDialog {
  Q_OBJECT
public:
  enum class TMode { Find, Replace };
  TSearchDialog(TMode mode, QWidget *parent = nullptr);

  TMode Mode() const { return mode_; }
  QString FindText() const;
  void SetFindText(const QString &text);
  QString ReplaceText() const;
  void SetReplaceText(const QString &text);
  TSearchOptions Options() const;
  void SetOptions(const TSearchOptions &options);

signals:
  void FindNextClicked();
  void ReplaceClicked();
  void ReplaceAllClicked();

private:
  void UpdateButtons();

  TMode mode_;
  QLineEdit *findEdit_;
  QLineEdit *replaceEdit_ = nullptr;
  QCheckBox *wholeWord_;
  QCheckBox *matchCase_;
  QRadioButton *down_ = nullptr;
  QRadioButton *up_ = nullptr;
  QPushButton *findNext_;
  QPushButton *replace_ = nullptr;
  QPushButton *replaceAll_ = nullptr;
};

} // namespace korvane
