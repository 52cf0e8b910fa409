#include "packlib/lists/qstringlist.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "packlib/lists/listerrors.h"
#include "packlib/lists/qlist.h"
#include "packlib/lists/safewrite.h"
#include "packlib/text/textutils.h"

namespace {
const char kCaption[] = "QStringList";
}

int QStringList::ItemCount() const {
    return Texts.empty() ? 0 : static_cast<int>(Texts.size()) - 1;
}

void QStringList::Changed(int code) {
    if (OnChange) OnChange(this, code);
}

bool QStringList::CheckIndex(int index) {
    if (index >= 0 && index < ItemCount()) return true;
    velpack::ReportListError(true, "Index out of range." + std::to_string(index) + ".." +
                                       std::to_string(ItemCount()), kCaption);
    return false;
}

void QStringList::Add(const std::string& text, QValue reference) {
    int at = CountField < 0 ? 0 : CountField;
    std::size_t oldSize = Texts.size();
    try {
        Texts.resize(static_cast<std::size_t>(at) + 2);
        Objects.resize(static_cast<std::size_t>(at) + 2);
    } catch (const std::exception&) {
        Texts.resize(oldSize);  // a Count set beyond what memory holds: nothing is appended
        Objects.resize(oldSize);
        return;
    }
    Texts[at] = text;
    Objects[at] = reference;
    Texts.back().clear();  // the spare slot holds nothing, also after a smaller Count was set
    Objects.back() = 0;
    CountField = at + 1;
    Changed(QList::Appended);
}

void QStringList::Insert(int index, const std::string& text, QValue reference) {
    if (index < 0 || index >= ItemCount()) {
        velpack::ReportListError(true, "Index out of range." + std::to_string(index), kCaption);
        return;
    }
    Texts.insert(Texts.begin() + index, text);
    Objects.insert(Objects.begin() + index, reference);
    CountField = ItemCount();
    Changed(QList::Inserted);
}

void QStringList::Delete(const std::string& text) {
    int index = IndexOf(text);
    if (index < 0) return;
    Texts.erase(Texts.begin() + index);
    Objects.erase(Objects.begin() + index);
    CountField = ItemCount();
    Changed(QList::Deleted);
}

std::string QStringList::Item(int index) {
    return CheckIndex(index) ? Texts[index] : std::string();
}

void QStringList::SetItem(int index, const std::string& text) {
    if (!CheckIndex(index)) return;
    Texts[index] = text;
    Changed(QList::Set);
}

QValue QStringList::Object(int index) {
    return CheckIndex(index) ? Objects[index] : 0;
}

void QStringList::SetObject(int index, QValue reference) {
    if (!CheckIndex(index)) return;
    Objects[index] = reference;
    Changed(QList::Set);
}

void QStringList::Exchange(int index1, int index2) {
    int n = ItemCount();
    if (index1 < 0 || index1 >= n || index2 < 0 || index2 >= n) {
        velpack::ReportListError(true, "Out of range. Invalid string index.", "QList");
        return;
    }
    std::swap(Texts[index1], Texts[index2]);
    std::swap(Objects[index1], Objects[index2]);
    Changed(QList::Exchanged);
}

void QStringList::Exchange(const std::string& text1, const std::string& text2) {
    Exchange(IndexOf(text1), IndexOf(text2));
}

int QStringList::IndexOf(const std::string& text) const {
    for (int i = 0, n = ItemCount(); i < n; ++i)
        if (velpack::EqualsNoCase(Texts[i], text)) return i;
    return -1;
}

int QStringList::IndexOfExact(const std::string& text) const {
    for (int i = 0, n = ItemCount(); i < n; ++i)
        if (Texts[i] == text) return i;
    return -1;
}

int QStringList::IndexOfObject(QValue reference) const {
    for (int i = 0, n = ItemCount(); i < n; ++i)
        if (Objects[i] == reference) return i;
    return -1;
}

void QStringList::ClearSilently() {
    Texts.clear();
    Texts.shrink_to_fit();
    Objects.clear();
    Objects.shrink_to_fit();
    CountField = 0;
}

void QStringList::Clear() {
    ClearSilently();
    Changed(QList::Cleared);
}

int QStringList::Count() {
    CountField = ItemCount();
    return CountField;
}

void QStringList::SetCount(int count) {
    CountField = count;
    Changed(QList::Set);
}

std::string QStringList::Text() const {
    std::string text;
    for (int i = 0, n = ItemCount(); i < n; ++i) {
        if (i) text += '\n';
        text += Texts[i];
    }
    return text;
}

void QStringList::SetText(const std::string& text) {
    Clear();
    // Collect the lines first and size the arrays once (no growth per line).
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1)
        lines.emplace_back(text, from, at - from);
    lines.emplace_back(text, from, std::string::npos);
    Texts = std::move(lines);
    Texts.emplace_back();  // the spare slot of the storage rule
    Objects.assign(Texts.size(), 0);
    CountField = ItemCount();
    Changed(QList::Set);
}

void QStringList::SetDelimitedText(char delimiter, const std::string& text) {
    ClearSilently();
    std::string lines = text;
    for (char& c : lines)
        if (c == delimiter) c = '\n';
    SetText(lines);
}

void QStringList::SaveToFile(const std::string& name) {
    // Written beside the target first, then moved over it, so a failed write keeps the
    // old file.
    if (!VelpackReplaceFile(name, Text() + "\r\n")) velpack::ReportListError(false, "Can't open file.", kCaption);
}

void QStringList::LoadFromFile(const std::string& name) {
    std::error_code error;
    if (name.empty() || !std::filesystem::is_regular_file(name, error)) {
        velpack::ReportListError(false, "File not exists.", kCaption);
        return;
    }
    std::ifstream file(name, std::ios::binary);
    if (!file) {
        velpack::ReportListError(false, "Can't open file.", kCaption);
        return;
    }
    std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    // Lines end in a line feed, optionally preceded by a carriage return; the line break
    // that ends the file (as SaveToFile writes it) makes no extra item.
    std::string text;
    text.reserve(content.size());
    for (std::size_t i = 0; i < content.size(); ++i)
        if (!(content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n'))
            text += content[i];
    if (!text.empty() && text.back() == '\n') text.pop_back();
    SetText(text);
}
