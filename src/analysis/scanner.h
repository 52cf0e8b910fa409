// TScanner: turns FreeBASIC source text into a symbol table. The scanner is
// line based: each line (comments removed, continued lines joined) is cut into
// words and recognised by its first words; a line that does not fit the form
// its first word announces is reported and skipped, never stopping the scan.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "analysis/explorer_tree.h"
#include "analysis/scanner_records.h"

namespace tavrin {

// Receives the lines the scanner reports for malformed source lines (the
// result window). Scanners without their own OnReport use this one.
void SetScanReportSink(std::function<void(const std::string&)> sink);

// What a scanner keeps from scan to scan: inside the body of a type with
// fields, and the type whose members are being collected. Each scanner owns
// one; scanners that continue each other's work may be given a common one.
struct ScanState {
    bool inType = false;
    std::string currentType;
};

class TScanner {
public:
    // Categories in the order the explorer shows them.
    enum Category {
        Types, Properties, Enumerations, Functions, Subroutines, Operators, Constants, Variables,
        CategoryCount
    };
    static const char* CategoryCaption(Category category);

    // With a state given, the scanner reads and writes that one (it must
    // outlive the scanner); otherwise the scanner keeps its own.
    explicit TScanner(ScanState* state = nullptr);
    ~TScanner();
    TScanner(const TScanner&) = delete;
    TScanner& operator=(const TScanner&) = delete;

    // The file last scanned, or the name given for a text.
    const std::string& FileName() const { return *fileName_; }

    // The source lines.
    size_t LineCount() const { return lines_.size(); }
    std::string_view Line(size_t index) const;
    // Replaces the lines: text split at CR LF, LF or a lone CR.
    void SetText(std::string_view text);
    void SetLines(const std::vector<std::string>& lines);

    // A file name or a text: an existing file is loaded (tabs and NULs become
    // blanks); anything else is scanned as text, trimmed of blanks and control
    // characters, with itself as FileName. Then ScanLines.
    void Scan(const std::string& fileNameOrText);
    // Loads and scans a file. Returns false (and scans nothing) when it cannot be read.
    bool ScanFile(const std::string& fileName);
    // Scans a text (for example an editor's) under the given file name.
    void ScanText(std::string_view text, const std::string& fileName);
    // Scans the present lines.
    void ScanLines();

    const FieldList& List(Category category) const { return *lists_[category]; }
    std::shared_ptr<const FieldList> SharedList(Category category) const {
        return lists_[category];
    }

    // First record named name (any letter case) in Types, Enumerations,
    // Constants, Variables, Functions, Subroutines; null when none.
    std::shared_ptr<TField> FindSymbol(std::string_view name) const;

    ExplorerTree* TreeView() const { return tree_; }
    // Stores a different view and rebuilds the tree in it.
    void SetTreeView(ExplorerTree* view);
    // Fills the tree view (when there is one) from the category lists.
    void BuildTree();

    // (scanner, FileName) when a scan of at least one line starts.
    std::function<void(TScanner&, const std::string&)> OnBegin;
    // (scanner, line text, line index from 0) after each line classified without error.
    std::function<void(TScanner&, std::string_view, int)> OnLine;
    // (scanner, elapsed milliseconds) after the last line.
    std::function<void(TScanner&, double)> OnEnd;
    // Report of a malformed line; when empty, the sink of SetScanReportSink.
    std::function<void(const std::string&)> OnReport;

    // The state kept from scan to scan.
    bool InType() const { return state_->inType; }
    const std::string& CurrentType() const { return state_->currentType; }
    void ResetState() { *state_ = ScanState{}; }

private:
    struct LineSpan {
        size_t begin;
        size_t length;
    };
    struct UndoStep {
        FieldList* list;
        size_t size;  // the list's size before the line
    };

    struct NoCaseHash {
        size_t operator()(std::string_view text) const;
    };
    struct NoCaseEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };

    void SplitTextIntoLines();
    void SetFileNameText(const std::string& fileName);
    void ResetLists();
    bool NextCodeLine(std::string_view& code, size_t& index);
    void Classify(std::string_view code, int index);
    void Store(FieldList* list, std::shared_ptr<TField> record, bool isType = false);
    void Rollback();
    void Report(std::string_view code, size_t index);
    void ReadEnumBody(TField& enumeration);

    // Helpers of Classify.
    std::string_view Word(size_t index) const;
    bool Contains(std::string_view word) const;
    std::shared_ptr<TField> NewField(std::string_view name, std::string_view kind, int line);
    TType* TypeForMembers();
    void AddMember(std::shared_ptr<TField> record, Category fallback, bool dropWithoutType);
    void ClassifyType(int line);
    void ClassifyTypeMember(int line);
    void ClassifyDeclare(int line);
    void ClassifyShared(int line);
    void AddParameters(TField& member);

    std::string text_, fileBuffer_;
    std::vector<LineSpan> lines_;
    std::shared_ptr<const std::string> fileName_;
    std::array<std::shared_ptr<FieldList>, CategoryCount> lists_;
    ExplorerTree* tree_ = nullptr;
    ScanState ownState_;
    ScanState* state_;

    // Types by name without regard to case (first wins), valid during a scan
    // (the keys refer to the records' names), and the last member lookup.
    std::unordered_map<std::string_view, TType*, NoCaseHash, NoCaseEqual> typeIndex_;
    std::string cachedTypeName_;
    TType* cachedType_ = nullptr;
    bool cacheValid_ = false;

    // Line cursor of a running scan.
    size_t cursor_ = 0;
    bool inBlockComment_ = false;
    std::string scratch_, nextScratch_, joined_;
    std::vector<std::string_view> words_, memberWords_, itemWords_;
    std::vector<UndoStep> undo_;
    std::shared_ptr<TField> pendingEnum_;

    // A nested Scan during a scan (from a pumped message) restarts the outer one.
    bool scanning_ = false;
    bool restartRequested_ = false;
    std::shared_ptr<bool> alive_;
};

}  // namespace tavrin
