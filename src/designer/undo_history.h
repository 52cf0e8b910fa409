// A linear undo and redo history of whole states: before each command the
// caller records the state it is about to change; undoing hands back the
// state to restore and keeps the present one for redoing. A new command
// after undoing drops what could have been redone.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

namespace tavrin {

template <typename State>
class UndoHistory {
public:
    explicit UndoHistory(size_t limit = 100) : limit_(limit) {}

    // A command is about to change the state "before".
    void Record(State before) {
        undo_.push_back(std::move(before));
        if (undo_.size() > limit_) undo_.pop_front();
        redo_.clear();
    }
    // The command just recorded changed nothing: forget its step.
    void DropIfUnchanged(const State& now) {
        if (!undo_.empty() && undo_.back() == now) undo_.pop_back();
    }
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }

    // The state to go back to (none when there is nothing to undo); current
    // is kept for redoing.
    std::optional<State> Undo(State current) { return Step(undo_, redo_, std::move(current)); }
    std::optional<State> Redo(State current) { return Step(redo_, undo_, std::move(current)); }

    void Clear() {
        undo_.clear();
        redo_.clear();
    }

private:
    static std::optional<State> Step(std::deque<State>& from, std::deque<State>& to, State current) {
        if (from.empty()) return std::nullopt;
        State target = std::move(from.back());
        from.pop_back();
        to.push_back(std::move(current));
        return target;
    }

    size_t limit_;
    std::deque<State> undo_;
    std::deque<State> redo_;
};

}  // namespace tavrin
