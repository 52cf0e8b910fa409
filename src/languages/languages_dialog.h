// What the languages window does, without the window: the list of language
// files of the "Languages" folder beside the executable, the chosen one,
// loading another file into the list, removing an entry, writing the base
// file and choosing a language for good (written to the settings as
// "ActiveLang" in section "Main" and applied at once).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/ini_file.h"

namespace tavrin {

inline constexpr const char* kLanguagesFolder = "Languages";
inline constexpr const char* kBaseFileName = "Base.txt";
inline constexpr const char* kActiveLanguageSection = "Main";
inline constexpr const char* kActiveLanguageKey = "ActiveLang";
inline constexpr const char* kLanguageFilter = "ActiveLang file (*.txt)| *.txt";
inline constexpr const char* kOverwriteBaseQuestion = "The Base.txt already exists\nOwerwritte?";

// One language.
struct TLang {
    std::string FileName;  // full path of the language file
    std::string Name;      // the path without extension
};

// What the dialog needs of the workbench.
struct LanguagesHost {
    std::string applicationDirectory;
    IniFile* settings = nullptr;
    // The base file's lines, from the windows as they are now.
    std::function<std::vector<std::string>()> baseLines;
    std::function<void(const std::string& path)> apply;
    // Opens the file in a new code page.
    std::function<void(const std::string& path)> showFile;
    std::function<bool(const std::string& folder)> makeFolder;
    // The language selected last; it outlives the dialog (may be null).
    std::string* currentLanguage = nullptr;
};

class LanguagesDialog {
public:
    explicit LanguagesDialog(LanguagesHost host);

    std::string Folder() const;  // ApplicationDirectory + "\Languages"
    std::string BaseFile() const;

    // Creation: makes the languages folder when it does not exist.
    void Created();
    // Showing: the list emptied, the base file written, the list filled.
    void Shown();
    // A click on the list (-1: no entry).
    void Choose(int index);
    void Set();
    void Show();
    // "L&oad...": asks for a file; one not listed yet becomes the current language.
    void Load();
    // "Remove": asks, then takes the chosen entry off the list (the file stays).
    void Remove();
    // "Save Base Language".
    void SaveBase();

    const std::vector<TLang>& Languages() const { return languages_; }
    // The list entry of each language: its file name without folder.
    std::vector<std::string> Entries() const;
    int Selected() const { return selected_; }
    bool SetEnabled() const { return setEnabled_; }
    bool ShowEnabled() const { return showEnabled_; }
    bool RemoveEnabled() const { return selected_ >= 0; }

private:
    bool WriteBaseFile();
    void Fill();
    int IndexOfPath(const std::string& path) const;
    std::string& Current();

    LanguagesHost host_;
    std::vector<TLang> languages_;
    int selected_ = -1;
    bool setEnabled_ = false;
    bool showEnabled_ = false;
    std::string ownCurrent_;
};

}  // namespace tavrin
