// Collects a child process's output chunk by chunk in bounded memory. The
// first HeadLimit bytes and the last TailLimit bytes are kept; what lies
// between is dropped and stands as one line, "... N bytes of output dropped
// ...", cut so that whole lines are kept on both sides of it where the kept
// bytes hold a line break. Bytes are kept as they came, NUL bytes included.
// The error flag looks at every byte, dropped ones too.
//
// Appending costs time in proportion to the chunk. Text() and Lines() are
// composed on demand and cached until the next Append: read them when the
// output is complete (or now and then), not after every chunk.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

class OutputAccumulator {
public:
    static constexpr size_t kDefaultHeadLimit = 2 * 1024 * 1024;
    static constexpr size_t kDefaultTailLimit = 2 * 1024 * 1024;

    explicit OutputAccumulator(size_t headLimit = kDefaultHeadLimit,
                               size_t tailLimit = kDefaultTailLimit);

    void Clear();
    void Append(std::string_view chunk);
    // Starts a new line unless the output is empty or ends with a line
    // break, then appends the line and a line break.
    void AppendLine(std::string_view line);

    // The output as kept: all of it, or the head, the dropped line and the tail.
    const std::string& Text() const;
    // Text() split at CR, LF or CR LF; a final line break starts no empty line.
    const std::vector<std::string>& Lines() const;
    // The output contains "error" in any letter case (dropped bytes included).
    bool HasErrors() const { return hasErrors_; }
    // At most maxBytes from the end of the output (for status displays).
    std::string Tail(size_t maxBytes) const;
    // Every byte appended since Clear, and how many of them Text() leaves out.
    unsigned long long TotalBytes() const { return total_; }
    unsigned long long DroppedBytes() const;

    // The line that stands in the text for the bytes dropped.
    static std::string DroppedLine(unsigned long long bytes);

private:
    // The parts of head_ and tail_ that Text() shows once bytes were dropped.
    std::string_view KeptHead() const;
    std::string_view KeptTail() const;
    void TrimTail();

    size_t headLimit_, tailLimit_;
    std::string head_;  // the first bytes, up to headLimit_
    std::string tail_;  // the bytes after the head, trimmed to the last tailLimit_
    unsigned long long total_ = 0;
    unsigned long long erased_ = 0;  // bytes cut from the front of tail_
    char beforeTail_ = 0;            // the byte just before tail_ once bytes were cut
    bool hasErrors_ = false;
    std::string recent_;  // the last bytes seen, lower-cased: "error" may straddle chunks

    mutable bool composed_ = false;
    mutable std::string text_;
    mutable std::vector<std::string> lines_;
};

}  // namespace tavrin
