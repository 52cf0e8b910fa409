#include "packlib/lists/qlist.h"

#include <new>
#include <string>

#include "packlib/lists/listerrors.h"

namespace {
const char kCaption[] = "QList";
}

int QList::ItemCount() const {
    return Items.empty() ? 0 : static_cast<int>(Items.size()) - 1;
}

void QList::Changed(int code) {
    if (OnChange) OnChange(this, code);
}

void QList::Add(QValue value) {
    int at = CountField < 0 ? 0 : CountField;
    try {
        Items.resize(static_cast<std::size_t>(at) + 2);  // indexes 0 to the new Count
    } catch (const std::exception&) {
        return;  // a Count set beyond what memory holds: nothing is appended
    }
    Items[at] = value;
    Items.back() = 0;  // the spare slot holds nothing, also after a smaller Count was set
    CountField = at + 1;
    Changed(Appended);
}

void QList::Insert(int index, QValue value) {
    if (index < 0 || index >= ItemCount()) {
        velpack::ReportListError(true, "Index out of range." + std::to_string(index), kCaption);
        return;
    }
    Items.insert(Items.begin() + index, value);
    CountField = ItemCount();
    Changed(Inserted);
}

void QList::Delete(QValue value) {
    int index = IndexOf(value);
    if (index < 0) return;
    Items.erase(Items.begin() + index);
    CountField = ItemCount();
    Changed(Deleted);
}

QValue QList::Item(int index) {
    if (index < 0 || index >= ItemCount()) {
        velpack::ReportListError(true, "Index out of range." + std::to_string(index) + ".." +
                                           std::to_string(ItemCount()), kCaption);
        return 0;
    }
    return Items[index];
}

void QList::SetItem(int index, QValue value) {
    if (index < 0 || index >= ItemCount()) {
        velpack::ReportListError(true, "Index out of range." + std::to_string(index) + ".." +
                                           std::to_string(ItemCount()), kCaption);
        return;
    }
    Items[index] = value;
    Changed(Set);
}

void QList::Exchange(QValue value1, QValue value2) {
    int first = IndexOf(value1), second = IndexOf(value2);
    if (first < 0 || second < 0) {
        velpack::ReportListError(true, "Out of range. Invalid string index.", kCaption);
        return;
    }
    std::swap(Items[first], Items[second]);
    Changed(Exchanged);
}

int QList::IndexOf(QValue value) const {
    for (int i = 0, n = ItemCount(); i < n; ++i)
        if (Items[i] == value) return i;
    return -1;
}

void QList::Clear() {
    Items.clear();
    Items.shrink_to_fit();
    CountField = 0;
    Changed(Deleted);
}

int QList::Count() {
    CountField = ItemCount();
    return CountField;
}

void QList::SetCount(int count) {
    CountField = count;
    Changed(Set);
}
