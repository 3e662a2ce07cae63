#pragma once
// The desktop's message sink: each message is a modal message box over the
// given parent window.
#include <QPointer>
#include <QWidget>

#include "base/MessageSink.h"

namespace korvane {

class TMessageBoxSink : public TMessageSink {
public:
  explicit TMessageBoxSink(QWidget *parent = nullptr) : parent_(parent) {}
  TMsgResult Show(TMsgKind kind, TMsgButtons buttons, const std::string &text) override;

private:
  QPointer<QWidget> parent_;
};

} // namespace korvane
