#pragma once
// Core code never shows a window. Where it must tell the user something it
// calls a message sink; the desktop implements it with message boxes, tests
// record what was said.
#include <functional>
#include <string>
#include <vector>

namespace korvane {

enum class TMsgKind { Error, Information, Warning, Confirmation };
enum class TMsgButtons { Ok, YesNoCancel, YesNo };
enum class TMsgResult { Ok, Yes, No, Cancel };

class TMessageSink {
public:
  virtual ~TMessageSink() = default;
  virtual TMsgResult Show(TMsgKind kind, TMsgButtons buttons, const std::string &text) = 0;
};

// Records every message and answers with a preset result (OK by default).
class TRecordingSink : public TMessageSink {
public:
  struct Message {
    TMsgKind kind;
    TMsgButtons buttons;
    std::string text;
  };
  std::vector<Message> messages;
  TMsgResult answer = TMsgResult::Ok;
  TMsgResult Show(TMsgKind kind, TMsgButtons buttons, const std::string &text) override {
    messages.push_back({kind, buttons, text});
    return answer;
  }
};

// The answer to "save the changes first?": Yes saves and goes on only when
// that worked, No goes on without saving, Cancel stays where it is.
inline bool GoOnAfterSaveQuestion(TMsgResult answer, const std::function<bool()> &save) {
  switch (answer) {
  case TMsgResult::Yes:
    return save();
  case TMsgResult::No:
    return true;
  default:
    return false;
  }
}

// "The program ends": fatal failures call this after their message.
using TEndProgram = std::function<void()>;

} // namespace korvane
