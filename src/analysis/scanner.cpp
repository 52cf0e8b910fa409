#include "analysis/scanner.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "analysis/record_pool.h"
#include "common/line_breaks.h"
#include "common/string_list.h"
#include "common/text_codec.h"
#include "analysis/source_line.h"
#include "common/file_search.h"
#include "common/message_pump.h"
#include "common/text.h"

namespace tavrin {

namespace {

// Lines visited between two calls of the message pump.
constexpr size_t kLinesPerPump = 1024;
// Longest argument of Scan that is still looked up as a file name.
constexpr size_t kLongestFileName = 4096;

std::function<void(const std::string&)>& ReportSink() {
    static std::function<void(const std::string&)> sink;
    return sink;
}

// Raised by a form that needs a word beyond the last one.
struct MalformedLine {};

// Compares a word with a keyword made of lower-case letters only, without
// regard to case.
inline bool Is(std::string_view word, std::string_view keyword) {
    if (word.size() != keyword.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if ((word[i] | 0x20) != keyword[i]) return false;  // letters differ in bit 5 only
    return true;
}

bool IsPointerWord(std::string_view word) { return Is(word, "ptr") || Is(word, "pointer"); }

}  // namespace

void SetScanReportSink(std::function<void(const std::string&)> sink) {
    ReportSink() = std::move(sink);
}

size_t TScanner::NoCaseHash::operator()(std::string_view text) const {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a over the lower-case bytes
    for (char c : text)
        hash = (hash ^ static_cast<unsigned char>(AsciiLower(c))) * 1099511628211ull;
    return static_cast<size_t>(hash);
}

bool TScanner::NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
    return EqualsNoCase(a, b);
}

const char* TScanner::CategoryCaption(Category category) {
    static const char* const captions[CategoryCount] = {
        "Types", "Properties", "Enumerations", "Functions",
        "Subroutines", "Operators", "Constants", "Variables"};
    return category >= 0 && category < CategoryCount ? captions[category] : "";
}


TScanner::TScanner(ScanState* state)
    : fileName_(std::make_shared<const std::string>()),
      state_(state ? state : &ownState_),
      alive_(std::make_shared<bool>(true)) {
    ResetLists();
}

TScanner::~TScanner() { *alive_ = false; }

std::string_view TScanner::Line(size_t index) const {
    if (index >= lines_.size()) return {};
    return std::string_view(text_).substr(lines_[index].begin, lines_[index].length);
}

void TScanner::SetText(std::string_view text) {
    text_.assign(text);
    SplitTextIntoLines();
}

// Line breaks: CR LF, LF or a lone CR. A final break starts no empty line.
void TScanner::SplitTextIntoLines() {
    lines_.clear();
    const char* data = text_.data();
    ForEachLine(text_, [&](std::string_view line, std::string_view) {
        lines_.push_back({static_cast<size_t>(line.data() - data), line.size()});
    });
}

void TScanner::SetLines(const std::vector<std::string>& lines) {
    text_.clear();
    lines_.clear();
    for (const std::string& line : lines) {
        lines_.push_back({text_.size(), line.size()});
        text_ += line;
    }
}

void TScanner::SetFileNameText(const std::string& fileName) {
    if (*fileName_ != fileName) fileName_ = std::make_shared<const std::string>(fileName);
}

void TScanner::Scan(const std::string& fileNameOrText) {
    bool mayBeFile = !fileNameOrText.empty() && fileNameOrText.size() <= kLongestFileName &&
                     fileNameOrText.find_first_of("\r\n") == std::string::npos;
    if (mayBeFile && IsExistingFile(fileNameOrText) && ScanFile(fileNameOrText)) return;
    std::string_view text = fileNameOrText;
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    ScanText(text, fileNameOrText);
}

bool TScanner::ScanFile(const std::string& fileName) {
    if (ReadWholeFile(NativePath(fileName), fileBuffer_) != FileReadStatus::Ok) return false;
    DropByteOrderMark(fileBuffer_);
    for (char& c : fileBuffer_) c = (c == '\t' || c == '\0') ? ' ' : c;
    SetFileNameText(fileName);
    text_.swap(fileBuffer_);
    SplitTextIntoLines();
    ScanLines();
    return true;
}

void TScanner::ScanText(std::string_view text, const std::string& fileName) {
    SetFileNameText(fileName);
    SetText(text);
    ScanLines();
}

void TScanner::ResetLists() {
    size_t previousTypes = lists_[Types] ? lists_[Types]->size() : 0;
    // A list nobody else holds keeps its storage; one an explorer tree still
    // shows is left to it.
    for (auto& list : lists_) {
        if (list && list.use_count() == 1)
            list->clear();
        else
            list = std::make_shared<FieldList>();
    }
    typeIndex_.clear();
    typeIndex_.reserve(previousTypes);  // a rescan of the same text needs no rehashing
    cacheValid_ = false;
    cachedType_ = nullptr;
}

void TScanner::ScanLines() {
    if (scanning_) {
        // Called again from a message run during this scan: the running scan
        // starts over with the present lines.
        restartRequested_ = true;
        return;
    }
    std::shared_ptr<bool> alive = alive_;
    scanning_ = true;
    double elapsedMs = 0;
    bool finished = false;
    do {
        restartRequested_ = false;
        ResetLists();
        undo_.clear();
        pendingEnum_.reset();
        if (tree_) tree_->Clear();
        if (lines_.empty()) break;
        if (OnBegin) {
            OnBegin(*this, FileName());
            if (!*alive) return;
            if (restartRequested_) continue;
        }
        auto start = std::chrono::steady_clock::now();
        cursor_ = 0;
        inBlockComment_ = false;
        size_t nextPump = 0;
        std::string_view code;
        size_t index = 0;
        while (true) {
            if (cursor_ >= nextPump) {
                PumpMessages();
                if (!*alive) return;
                if (restartRequested_) break;
                nextPump = cursor_ + kLinesPerPump;
            }
            if (!NextCodeLine(code, index)) break;
            try {
                Classify(code, static_cast<int>(index));
            } catch (const MalformedLine&) {
                Rollback();
                pendingEnum_.reset();
                Report(code, index);
                if (!*alive) return;
                if (restartRequested_) break;
                continue;
            }
            undo_.clear();
            if (OnLine) {
                OnLine(*this, code, static_cast<int>(index));
                if (!*alive) return;
                if (restartRequested_) break;
            }
            if (pendingEnum_) {
                std::shared_ptr<TField> enumeration = std::move(pendingEnum_);
                ReadEnumBody(*enumeration);
            }
        }
        if (restartRequested_) continue;
        elapsedMs = std::chrono::duration<double, std::milli>(
                        std::chrono::steady_clock::now() - start).count();
        finished = true;
    } while (restartRequested_);
    scanning_ = false;
    typeIndex_.clear();  // its keys refer to names that may change after the scan
    cacheValid_ = false;
    if (!finished) return;
    if (OnEnd) {
        OnEnd(*this, elapsedMs);
        if (!*alive) return;
    }
    BuildTree();
}

// The next line with code: comments removed, continued lines joined. Lines
// without code are passed over. index receives the first line's index.
bool TScanner::NextCodeLine(std::string_view& code, size_t& index) {
    while (cursor_ < lines_.size()) {
        index = cursor_;
        code = TrimBlanks(StripComments(Line(cursor_++), inBlockComment_, scratch_));
        if (code.empty()) continue;
        if (!EndsWithContinuation(code)) return true;
        joined_.assign(code.substr(0, code.size() - 1));
        while (cursor_ < lines_.size()) {
            std::string_view next =
                TrimBlanks(StripComments(Line(cursor_++), inBlockComment_, nextScratch_));
            bool more = EndsWithContinuation(next);
            if (more) next.remove_suffix(1);
            joined_ += ' ';
            joined_.append(next);
            if (!more) break;
        }
        code = TrimBlanks(joined_);
        if (!code.empty()) return true;
    }
    return false;
}

void TScanner::Report(std::string_view code, size_t index) {
    char number[32];
    std::snprintf(number, sizeof number, "(%zu) Line: ", index);
    std::string line = FileName();
    line += number;
    line.append(code);
    if (OnReport)
        OnReport(line);
    else if (ReportSink())
        ReportSink()(line);
}

// Records are stored at once; a line that turns out malformed takes its
// records back (Rollback), so it leaves none.
void TScanner::Store(FieldList* list, std::shared_ptr<TField> record, bool isType) {
    undo_.push_back({list, list->size()});
    if (isType) {
        TType* type = record->AsType();
        typeIndex_.emplace(type->Name(), type);
        cacheValid_ = false;
    }
    list->push_back(std::move(record));
}

void TScanner::Rollback() {
    for (auto step = undo_.rbegin(); step != undo_.rend(); ++step) {
        FieldList& list = *step->list;
        for (size_t k = step->size; k < list.size(); ++k) {
            TType* type = list[k]->AsType();
            auto indexed = type ? typeIndex_.find(type->Name()) : typeIndex_.end();
            if (indexed != typeIndex_.end() && indexed->second == type) typeIndex_.erase(indexed);
        }
        list.resize(step->size);
    }
    undo_.clear();
    cacheValid_ = false;
}

std::string_view TScanner::Word(size_t index) const {
    if (index >= words_.size()) throw MalformedLine{};
    return words_[index];
}

bool TScanner::Contains(std::string_view word) const {
    for (std::string_view w : words_)
        if (Is(w, word)) return true;
    return false;
}

std::shared_ptr<TField> TScanner::NewField(std::string_view name, std::string_view kind,
                                           int line) {
    auto record = MakeRecord<TField>();
    record->InitName(std::string(name));
    record->Kind.assign(kind);
    record->Line = line;
    record->ShareFileName(fileName_);
    return record;
}

// The type named CurrentType among this scanner's types, or null.
TType* TScanner::TypeForMembers() {
    const std::string& name = state_->currentType;
    if (name.empty()) return nullptr;
    if (!cacheValid_ || cachedTypeName_ != name) {
        auto found = typeIndex_.find(name);
        cachedType_ = found == typeIndex_.end() ? nullptr : found->second;
        cachedTypeName_ = name;
        cacheValid_ = true;
    }
    return cachedType_;
}

void TScanner::AddMember(std::shared_ptr<TField> record, Category fallback,
                         bool dropWithoutType) {
    if (TType* type = TypeForMembers())
        Store(&type->Fields, std::move(record));
    else if (!dropWithoutType)
        Store(lists_[fallback].get(), std::move(record));
}

namespace {

// Index of the word after a parenthesised group starting at open ("(" ... ")").
size_t SkipGroup(const std::vector<std::string_view>& words, size_t open) {
    int depth = 0;
    for (size_t k = open; k < words.size(); ++k) {
        if (words[k] == "(") ++depth;
        else if (words[k] == ")" && --depth == 0) return k + 1;
    }
    return words.size();
}

// The type named after the "as" at asIndex ("as [const] T [ptr...]"); next
// receives the index of the first word after it. Raises MalformedLine when the
// type is missing.
std::string_view TypeAfterAs(const std::vector<std::string_view>& words, size_t asIndex,
                             size_t& next) {
    size_t k = asIndex + 1;
    if (k + 1 < words.size() && Is(words[k], "const")) ++k;
    if (k >= words.size()) throw MalformedLine{};
    std::string_view type = words[k++];
    while (k < words.size() &&
           (IsPointerWord(words[k]) ||
            (Is(words[k], "const") && k + 1 < words.size() && IsPointerWord(words[k + 1]))))
        ++k;
    next = k;
    return type;
}

// The declared names of a list such as "a, b(10), c = 5": the first word of
// each item separated by commas outside parentheses and braces.
void CollectNames(const std::vector<std::string_view>& words, size_t from,
                  std::vector<std::string_view>& names) {
    names.clear();
    int parens = 0, braces = 0;
    bool expectName = true;
    for (size_t k = from; k < words.size(); ++k) {
        std::string_view word = words[k];
        if (word == "(") { ++parens; continue; }
        if (word == ")") { if (parens > 0) --parens; continue; }
        if (parens > 0) continue;
        size_t nameStart = std::string_view::npos;
        for (size_t c = 0; c <= word.size(); ++c) {
            char ch = c < word.size() ? word[c] : ',';
            bool itemEnd = ch == ',' && braces == 0;
            if (nameStart != std::string_view::npos && (itemEnd || ch == '{' || ch == '}')) {
                names.push_back(word.substr(nameStart, c - nameStart));
                nameStart = std::string_view::npos;
                expectName = false;
            }
            if (c == word.size()) break;
            if (ch == '{') ++braces;
            else if (ch == '}') { if (braces > 0) --braces; }
            else if (itemEnd) expectName = true;
            else if (expectName && braces == 0 && nameStart == std::string_view::npos)
                nameStart = c;
        }
    }
}

}  // namespace

namespace {

// Whether a line starting with this word can make a record outside a type body.
bool StartsAForm(std::string_view word) {
    if (word.empty()) return false;
    switch (AsciiLower(word[0])) {
        case 'c': return Is(word, "const") || Is(word, "common");
        case 'd': return Is(word, "declare") || Is(word, "dim");
        case 'e': return Is(word, "end") || Is(word, "enum");
        case 'f': return Is(word, "function");
        case 'o': return Is(word, "operator");
        case 'p': return Is(word, "property") || Is(word, "private") || Is(word, "public");
        case 's': return Is(word, "sub");
        case 't': return Is(word, "type");
        case 'v': return Is(word, "var");
        default: return false;
    }
}

std::string_view FirstWord(std::string_view code) {
    size_t end = 0;
    while (end < code.size() && !IsBlank(code[end]) && code[end] != '=' && code[end] != '(' &&
           code[end] != ')')
        ++end;
    return code.substr(0, end);
}

}  // namespace

void TScanner::Classify(std::string_view code, int index) {
    // Most statements start with no keyword of a form: they need no words.
    if (!state_->inType && !StartsAForm(FirstWord(code))) return;
    SplitWords(code, words_);
    if (words_.empty()) return;
    // "private" and "public" in front of a declaration do not change what it declares.
    if (words_.size() > 1 && (Is(words_[0], "private") || Is(words_[0], "public")))
        words_.erase(words_.begin());
    const int line = index + 1;
    std::string_view w0 = words_[0];
    ScanState& shared = *state_;

    if (Is(w0, "type")) {
        ClassifyType(line);
        return;  // no other form starts with "type"
    }
    if (shared.inType) ClassifyTypeMember(line);

    if (Is(w0, "end")) {
        std::string_view w1 = Word(1);
        if (Is(w1, "type")) shared.inType = false;
        static const char* const closers[] = {"constructor", "destructor", "property", "function",
                                              "operator",    "enum",       "scppe",    "sub"};
        for (const char* closer : closers)
            if (Is(w1, closer)) shared.currentType.clear();
        return;
    }
    if (Is(w0, "declare")) {
        ClassifyDeclare(line);
        return;
    }
    bool isFunction = Is(w0, "function"), isSub = Is(w0, "sub"),
         isOperator = Is(w0, "operator"), isProperty = Is(w0, "property");
    if (isFunction || isSub || isOperator || isProperty) {
        std::string_view name = Word(1);
        // "function = value" and "property = value" set a result inside a body.
        if (name == "=" && !isOperator) return;
        auto record = NewField(name, w0, line);
        if (!isSub) record->Return.assign(words_.back());
        Category category = isFunction ? Functions : isSub ? Subroutines
                            : isOperator ? Operators : Properties;
        Store(lists_[category].get(), std::move(record));
        return;
    }
    if ((Is(w0, "dim") || Is(w0, "common") || Is(w0, "var")) && Contains("shared")) {
        ClassifyShared(line);
        return;
    }
    if (Is(w0, "const")) {
        auto record = NewField(words_.size() > 1 ? words_[1] : std::string_view(), w0, line);
        if (words_.size() > 3) record->Return.assign(words_[3]);
        Store(lists_[Constants].get(), std::move(record));
        return;
    }
    if (Is(w0, "enum")) {
        auto record = NewField(words_.size() > 1 ? words_[1] : std::string_view(), w0, line);
        pendingEnum_ = record;
        Store(lists_[Enumerations].get(), std::move(record));
    }
}

void TScanner::ClassifyType(int line) {
    size_t count = words_.size();
    ScanState& shared = *state_;
    bool withField = Contains("field") &&
                     std::find(words_.begin(), words_.end(), "=") != words_.end();
    bool extends = Contains("extends");
    if (count == 2 || withField || (count >= 4 && extends)) {
        auto record = MakeRecord<TType>();
        record->InitName(std::string(Word(1)));
        record->Kind.assign(words_[0]);
        record->Line = line;
        record->ShareFileName(fileName_);
        for (size_t k = 0; k < count; ++k) {
            if (withField && Is(words_[k], "field")) {
                size_t equals = k + 1;
                while (equals < count && words_[equals] != "=") ++equals;
                record->FieldAlign.assign(Word(equals + 1));
            }
            if (extends && Is(words_[k], "extends")) record->Extends.assign(Word(k + 1));
        }
        record->Fields.reserve(8);
        shared.inType = true;
        shared.currentType.assign(record->Name());
        Store(lists_[Types].get(), std::move(record), true);
    } else if (count >= 4 && Contains("as")) {
        auto record = MakeRecord<TType>();
        record->InitName(std::string(words_[1]));
        record->Kind.assign(words_[0]);
        record->AliasOf.assign(words_[3]);
        if (count > 4) {
            record->Rest.assign(words_.back());
            record->Rest += ' ';
        }
        record->Line = line;
        record->ShareFileName(fileName_);
        shared.inType = false;
        shared.currentType.clear();
        Store(lists_[Types].get(), std::move(record), true);
    }
}

// A field line inside the body of a type: "dim a as T", "a as T", "a(n) as T",
// "dim as T a, b", "as T ptr a, b". Other lines make nothing.
void TScanner::ClassifyTypeMember(int line) {
    std::string_view w0 = words_[0];
    bool hasAsLater = false;
    for (size_t k = 1; k < words_.size() && !hasAsLater; ++k) hasAsLater = Is(words_[k], "as");
    if (!Is(w0, "dim") && !hasAsLater && !Is(w0, "as")) return;

    memberWords_.clear();
    bool dimRemoved = false;
    for (std::string_view word : words_) {
        if (!dimRemoved && Is(word, "dim")) { dimRemoved = true; continue; }
        memberWords_.push_back(word);
    }
    if (memberWords_.empty()) throw MalformedLine{};
    TType* type = TypeForMembers();
    if (Is(memberWords_[0], "as")) {
        size_t next = 0;
        std::string_view fieldType = TypeAfterAs(memberWords_, 0, next);
        if (next >= memberWords_.size()) throw MalformedLine{};
        CollectNames(memberWords_, next, itemWords_);
        if (!type) return;
        for (std::string_view name : itemWords_) {
            auto record = NewField(name, "field", line);
            record->Return.assign(fieldType);
            Store(&type->Fields, std::move(record));
        }
        return;
    }
    if (memberWords_.size() < 2) throw MalformedLine{};
    size_t asIndex = memberWords_[1] == "(" ? SkipGroup(memberWords_, 1) : 1;
    if (asIndex >= memberWords_.size() || !Is(memberWords_[asIndex], "as")) return;
    size_t next = 0;
    std::string_view fieldType = TypeAfterAs(memberWords_, asIndex, next);
    if (!type) return;
    auto record = NewField(memberWords_[0], "field", line);
    record->Return.assign(fieldType);
    Store(&type->Fields, std::move(record));
}

void TScanner::ClassifyDeclare(int line) {
    std::string_view kind = Word(1);
    if (Is(kind, "constructor")) {
        auto record = NewField(kind, kind, line);
        AddParameters(*record);
        AddMember(std::move(record), Functions, true);
    } else if (Is(kind, "function")) {
        auto record = NewField(Word(2), kind, line);
        record->Return.assign(words_.back());
        AddParameters(*record);
        AddMember(std::move(record), Functions, false);
    } else if (Is(kind, "sub")) {
        AddMember(NewField(Word(2), kind, line), Subroutines, false);
    } else if (Is(kind, "operator")) {
        AddMember(NewField(Word(2), kind, line), Operators, false);
    } else if (Is(kind, "property")) {
        auto record = NewField(Word(2), kind, line);
        record->Return.assign(words_.back());
        AddMember(std::move(record), Properties, false);
    }
}

// "dim shared as T a, b", "dim shared a as T", "common shared ...", "var shared a = v".
void TScanner::ClassifyShared(int line) {
    std::string_view w0 = words_[0];
    if (Is(w0, "var")) {
        auto record = NewField(Word(2), w0, line);
        record->Return.assign(Word(4));
        Store(lists_[Variables].get(), std::move(record));
        return;
    }
    if (Is(Word(2), "as")) {
        size_t next = 0;
        std::string_view type = TypeAfterAs(words_, 2, next);
        if (next >= words_.size()) throw MalformedLine{};
        CollectNames(words_, next, itemWords_);
        for (std::string_view name : itemWords_) {
            auto record = NewField(name, w0, line);
            record->Return.assign(type);
            Store(lists_[Variables].get(), std::move(record));
        }
        return;
    }
    Word(3);  // the name must be followed by something
    size_t asIndex = words_[3] == "(" ? SkipGroup(words_, 3) : 3;
    if (asIndex >= words_.size()) throw MalformedLine{};
    if (!Is(words_[asIndex], "as")) return;
    size_t next = 0;
    auto record = NewField(words_[2], w0, line);
    record->Return.assign(TypeAfterAs(words_, asIndex, next));
    Store(lists_[Variables].get(), std::move(record));
}

// One entry per parameter of the first parenthesised group: name and type.
void TScanner::AddParameters(TField& member) {
    size_t open = 0;
    while (open < words_.size() && words_[open] != "(") ++open;
    if (open >= words_.size()) return;
    size_t close = SkipGroup(words_, open) - 1;
    if (close >= words_.size() || words_[close] != ")") return;

    auto flush = [&] {
        size_t k = 0;
        while (k < itemWords_.size() && (Is(itemWords_[k], "byval") || Is(itemWords_[k], "byref") ||
                                         Is(itemWords_[k], "optional")))
            ++k;
        if (k >= itemWords_.size()) { itemWords_.clear(); return; }
        auto parameter = NewField(Is(itemWords_[k], "as") ? std::string_view() : itemWords_[k],
                                  "parameter", member.Line);
        for (; k < itemWords_.size(); ++k) {
            if (Is(itemWords_[k], "as") && k + 1 < itemWords_.size()) {
                size_t next = 0;
                parameter->Return.assign(TypeAfterAs(itemWords_, k, next));
                break;
            }
        }
        member.Fields.push_back(std::move(parameter));
        itemWords_.clear();
    };

    itemWords_.clear();
    int depth = 0;
    for (size_t k = open + 1; k < close; ++k) {
        std::string_view word = words_[k];
        if (word == "(") { ++depth; continue; }
        if (word == ")") { if (depth > 0) --depth; continue; }
        if (depth > 0) continue;
        size_t start = 0;
        while (true) {
            size_t comma = word.find(',', start);
            std::string_view piece = word.substr(start, comma - start);
            if (!piece.empty()) itemWords_.push_back(piece);
            if (comma == std::string_view::npos) break;
            flush();
            start = comma + 1;
        }
    }
    flush();
}

// Members of an enumeration: the lines after the "enum" line up to "end enum".
// Each item separated by "," gives a member named by its first word; an item
// with "=" gets the word after it as its value.
void TScanner::ReadEnumBody(TField& enumeration) {
    std::string_view code;
    size_t index = 0;
    std::vector<std::string_view>& words = memberWords_;
    while (NextCodeLine(code, index)) {
        SplitWords(code, words);
        if (words.size() >= 2 && Is(words[0], "end") && Is(words[1], "enum")) return;
        if (code.front() == '#') continue;  // preprocessor lines inside the body
        std::string_view name;
        bool valueNext = false;
        std::shared_ptr<TField> member;
        auto finishItem = [&] {
            member.reset();
            name = {};
            valueNext = false;
        };
        for (std::string_view word : words) {
            size_t start = 0;
            while (true) {
                size_t comma = word.find(',', start);
                std::string_view piece = word.substr(start, comma - start);
                if (!piece.empty()) {
                    if (piece == "=") {
                        valueNext = member != nullptr;
                    } else if (valueNext) {
                        member->Return.assign(piece);
                        valueNext = false;
                    } else if (!member && name.empty()) {
                        name = piece;
                        member = NewField(piece, "enumeration field", static_cast<int>(index) + 1);
                        enumeration.Fields.push_back(member);
                    }
                }
                if (comma == std::string_view::npos) break;
                finishItem();
                start = comma + 1;
            }
        }
    }
}

std::shared_ptr<TField> TScanner::FindSymbol(std::string_view name) const {
    static const Category order[] = {Types, Enumerations, Constants, Variables, Functions,
                                     Subroutines};
    for (Category category : order)
        for (const auto& record : *lists_[category])
            if (EqualsNoCase(record->Name(), name)) return record;
    return nullptr;
}

void TScanner::SetTreeView(ExplorerTree* view) {
    if (view == tree_) return;
    tree_ = view;
    BuildTree();
}

void TScanner::BuildTree() {
    if (!tree_) return;
    ExplorerTree& tree = *tree_;
    tree.BeginUpdate();
    tree.Clear();
    for (int c = 0; c < CategoryCount; ++c) {
        const auto& list = lists_[c];
        if (list->empty()) continue;
        ExplorerTree::NodeId root =
            tree.AddNode(ExplorerTree::kNoParent, CategoryCaption(static_cast<Category>(c)),
                         ExplorerNodeData::Category(list));
        if (c != Types) {
            for (const auto& record : *list)
                tree.AddNode(root, record->Name(), ExplorerNodeData::Symbol(record));
            continue;
        }
        // A type that aliases an earlier type goes under that type's node.
        std::unordered_map<std::string_view, ExplorerTree::NodeId, NoCaseHash, NoCaseEqual>
            typeNodes;
        for (const auto& record : *list) {
            ExplorerTree::NodeId parent = root;
            const TType* type = record->AsType();
            if (type && !type->AliasOf.empty()) {
                auto found = typeNodes.find(type->AliasOf);
                if (found != typeNodes.end()) parent = found->second;
            }
            ExplorerTree::NodeId node =
                tree.AddNode(parent, record->Name(), ExplorerNodeData::Symbol(record));
            typeNodes.emplace(record->Name(), node);
            for (const auto& field : record->Fields)
                tree.AddNode(node, field->Name(), ExplorerNodeData::Symbol(field));
        }
    }
    tree.ExpandAll();
    tree.EndUpdate();
}

}  // namespace tavrin
