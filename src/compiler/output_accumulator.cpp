#include "compiler/output_accumulator.h"

#include "common/text.h"

#include <algorithm>

namespace tavrin {

namespace {
constexpr std::string_view kErrorWord = "error";

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
}  // namespace

OutputAccumulator::OutputAccumulator(size_t headLimit, size_t tailLimit)
    : headLimit_(headLimit), tailLimit_(tailLimit) {}

void OutputAccumulator::Clear() {
    head_.clear();
    tail_.clear();
    total_ = 0;
    erased_ = 0;
    beforeTail_ = 0;
    hasErrors_ = false;
    recent_.clear();
    composed_ = false;
    text_.clear();
    lines_.clear();
}

void OutputAccumulator::Append(std::string_view chunk) {
    if (chunk.empty()) return;
    total_ += chunk.size();
    composed_ = false;

    if (!hasErrors_) {
        recent_ += ToLower(chunk);
        hasErrors_ = recent_.find(kErrorWord) != std::string::npos;
        // Only the bytes that could begin the word in the next chunk stay.
        size_t keep = kErrorWord.size() - 1;
        if (recent_.size() > keep) recent_.erase(0, recent_.size() - keep);
    }

    // The head takes bytes until it is full; everything after goes to the tail.
    if (tail_.empty() && head_.size() < headLimit_) {
        size_t take = std::min(headLimit_ - head_.size(), chunk.size());
        head_.append(chunk.substr(0, take));
        chunk.remove_prefix(take);
    }
    tail_.append(chunk);
    TrimTail();
}

void OutputAccumulator::TrimTail() {
    // Cutting the front on every chunk would move the whole tail each time:
    // let it grow by half its size (at least a few kilobytes) first.
    size_t slack = std::max<size_t>(tailLimit_ / 2, 4096);
    if (tail_.size() <= tailLimit_ + slack) return;
    size_t cut = tail_.size() - tailLimit_;
    beforeTail_ = tail_[cut - 1];
    tail_.erase(0, cut);
    erased_ += cut;
}

void OutputAccumulator::AppendLine(std::string_view line) {
    char last = !tail_.empty() ? tail_.back() : !head_.empty() ? head_.back() : '\n';
    if (!IsLineBreak(last)) Append("\r\n");
    Append(line);
    Append("\r\n");
}

std::string_view OutputAccumulator::KeptHead() const {
    std::string_view head(head_);
    // Up to its last line break; a head without any is kept whole.
    size_t lastBreak = head.find_last_of("\r\n");
    if (lastBreak != std::string_view::npos) head = head.substr(0, lastBreak + 1);
    return head;
}

std::string_view OutputAccumulator::KeptTail() const {
    std::string_view tail(tail_);
    if (beforeTail_ == '\r' && !tail.empty() && tail[0] == '\n') return tail.substr(1);
    if (IsLineBreak(beforeTail_)) return tail;
    // The tail begins inside a line: it starts after its first line break,
    // unless it has none.
    size_t lineBreak = tail.find_first_of("\r\n");
    if (lineBreak == std::string_view::npos) return tail;
    size_t next = lineBreak + 1;
    if (tail[lineBreak] == '\r' && next < tail.size() && tail[next] == '\n') ++next;
    return tail.substr(next);
}

unsigned long long OutputAccumulator::DroppedBytes() const {
    if (erased_ == 0) return 0;
    return total_ - KeptHead().size() - KeptTail().size();
}

std::string OutputAccumulator::DroppedLine(unsigned long long bytes) {
    return "... " + std::to_string(bytes) + " bytes of output dropped ...";
}

const std::string& OutputAccumulator::Text() const {
    if (composed_) return text_;
    text_.clear();
    if (erased_ == 0) {
        text_.reserve(head_.size() + tail_.size());
        text_.append(head_).append(tail_);
    } else {
        std::string_view head = KeptHead(), tail = KeptTail();
        std::string dropped = DroppedLine(total_ - head.size() - tail.size());
        text_.reserve(head.size() + dropped.size() + tail.size() + 4);
        text_.append(head);
        if (!head.empty() && !IsLineBreak(head.back())) text_.append("\r\n");
        text_.append(dropped).append("\r\n").append(tail);
    }
    lines_ = SplitLines(text_);
    composed_ = true;
    return text_;
}

const std::vector<std::string>& OutputAccumulator::Lines() const {
    Text();
    return lines_;
}

std::string OutputAccumulator::Tail(size_t maxBytes) const {
    if (erased_ > 0 || tail_.size() >= maxBytes)
        return tail_.substr(tail_.size() - std::min(maxBytes, tail_.size()));
    size_t fromHead = std::min(maxBytes - tail_.size(), head_.size());
    return head_.substr(head_.size() - fromHead) + tail_;
}

}  // namespace tavrin
