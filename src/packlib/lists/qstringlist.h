// QStringList: a list of texts, each with an attached 32-bit reference.
#pragma once

#include <string>
#include <vector>

#include "packlib/api.h"

class QStringList;
using QStringListChange = void (*)(QStringList* list, int changeCode);

class VELPACK_API QStringList {
public:
    void Add(const std::string& text, QValue reference = 0);
    void Insert(int index, const std::string& text, QValue reference = 0);
    void Delete(const std::string& text);
    std::string Item(int index);
    void SetItem(int index, const std::string& text);
    QValue Object(int index);
    void SetObject(int index, QValue reference);
    void Exchange(int index1, int index2);
    void Exchange(const std::string& text1, const std::string& text2);
    int IndexOf(const std::string& text) const;
    int IndexOfExact(const std::string& text) const;
    int IndexOfObject(QValue reference) const;
    void Clear();
    int Count();
    void SetCount(int count);

    // The texts joined by single line feeds.
    std::string Text() const;
    // Clears the list and appends one item per line of the text (line feeds split).
    void SetText(const std::string& text);
    void SetDelimitedText(char delimiter, const std::string& text);
    void SaveToFile(const std::string& name);
    void LoadFromFile(const std::string& name);
    QStringList* Self() { return this; }

    int CountField = 0;
    // Storage rule as for QList: both arrays hold indexes 0 to Count.
    std::vector<QValue> Objects;
    std::vector<std::string> Texts;
    QStringListChange OnChange = nullptr;

private:
    int ItemCount() const;
    bool CheckIndex(int index);
    void Changed(int code);
    void ClearSilently();
};
