#pragma once
// Message boxes the application owes the user. An operation only records them; the window shows them
// once the operation is over and the message loop runs again, so no box's own message loop can let a
// window message re-enter the operation half-way.
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quendar::app {

struct UserMessage {
  std::wstring text;
  std::wstring caption;
  friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

class UserMessages {
 public:
  // `pending` runs when a message arrives and none was waiting: the window reminds itself (with a
  // posted message) to show them.
  explicit UserMessages(std::function<void()> pending = {}) : pending_(std::move(pending)) {}

  void Add(UserMessage message) {
    const bool first = waiting_.empty();
    waiting_.push_back(std::move(message));
    if (first && pending_) pending_();
  }
  std::vector<UserMessage> Take() { return std::exchange(waiting_, {}); }

 private:
  std::function<void()> pending_;
  std::vector<UserMessage> waiting_;
};

}  // namespace quendar::app
