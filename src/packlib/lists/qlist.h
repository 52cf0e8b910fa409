// QList: a list of 32-bit values (object references and window handles).
#pragma once

#include <vector>

#include "packlib/api.h"

class QList;
using QListChange = void (*)(QList* list, int changeCode);

class VELPACK_API QList {
public:
    // Change codes passed to OnChange.
    enum : int { Appended = 1, Deleted = 2, Inserted = 3, Exchanged = 4, Cleared = 5, Set = 6 };

    void Add(QValue value);
    void Insert(int index, QValue value);
    void Delete(QValue value);
    QValue Item(int index);
    void SetItem(int index, QValue value);
    void Exchange(QValue value1, QValue value2);
    int IndexOf(QValue value) const;
    void Clear();
    // The number of items: the array's upper bound, also stored in the Count field.
    int Count();
    // Stores the number; the next Add appends after that many items.
    void SetCount(int count);
    QList* Self() { return this; }

    int CountField = 0;
    // Storage rule: after the first Add the array holds indexes 0 to Count (one spare slot).
    std::vector<QValue> Items;
    QListChange OnChange = nullptr;

private:
    int ItemCount() const;
    void Changed(int code);
};
