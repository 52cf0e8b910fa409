// Runs the same reads and writes through IniFile and through the platform's
// private-profile functions on two copies of one file, over generated files
// and operation sequences, and compares values and resulting files.
//
// The platform rewrites a whole file in its own layout (CR LF everywhere, no
// blank lines, no blanks around "="), while IniFile keeps every line it does
// not change; files are therefore compared in a normalized form. The places
// where IniFile deliberately behaves differently are written out below
// (AcceptedDifference tests) and folded into the expectations of the
// generated sequences.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "common/ini_file.h"
#include "common/string_list.h"
#include "common/text.h"

namespace tavrin {
namespace {

std::string TempFolderPath() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string folder =
        std::string(base) + "tavrin_ini_differential_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string FileText(const std::string& path) {
    std::string content;
    ReadWholeFile(path, content);
    return content;
}

void PutFile(const std::string& path, const std::string& content) {
    ASSERT_TRUE(WriteFileReplacing(path, content));
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> NulSeparated(const char* buffer, DWORD length) {
    std::vector<std::string> items;
    std::string item;
    for (DWORD i = 0; i < length; ++i) {
        if (buffer[i]) {
            item += buffer[i];
        } else {
            items.push_back(item);
            item.clear();
        }
    }
    if (!item.empty()) items.push_back(item);
    return items;
}

// The platform's side of each operation.
struct Platform {
    std::string path;

    std::string Read(const std::string& section, const std::string& key, const char* def) const {
        std::vector<char> buffer(1 << 16);
        GetPrivateProfileStringA(section.c_str(), key.c_str(), def, buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path.c_str());
        return buffer.data();
    }
    int ReadInt(const std::string& section, const std::string& key, int def) const {
        return static_cast<int>(
            GetPrivateProfileIntA(section.c_str(), key.c_str(), def, path.c_str()));
    }
    std::vector<std::string> Keys(const std::string& section) const {
        std::vector<char> buffer(1 << 16);
        DWORD length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                                static_cast<DWORD>(buffer.size()), path.c_str());
        return NulSeparated(buffer.data(), length);
    }
    std::vector<std::string> Sections() const {
        std::vector<char> buffer(1 << 16);
        DWORD length = GetPrivateProfileSectionNamesA(
            buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
        return NulSeparated(buffer.data(), length);
    }
    void Write(const std::string& section, const char* key, const char* value) const {
        WritePrivateProfileStringA(section.c_str(), key, value, path.c_str());
    }
    // The platform removes only the first match per call; repeated until
    // nothing changes, it removes them all, which is what IniFile does.
    void RemoveAll(const std::string& section, const char* key) const {
        for (int round = 0; round < 64; ++round) {
            std::string before = FileText(path);
            Write(section, key, nullptr);
            if (FileText(path) == before) return;
        }
    }
};

// The platform's layout of a file: trimmed lines, no blank lines, headers and
// "key=value" without blanks; line breaks of any kind.
std::string Normalized(const std::string& content) {
    std::string result;
    for (const std::string& raw : SplitLines(content)) {
        std::string_view line = Trim(raw);
        if (line.empty()) continue;
        size_t close = line.rfind(']');
        if (line[0] == '[' && close != std::string_view::npos && close > 0) {
            result += '[';
            result += Trim(line.substr(1, close - 1));
            result += "]\n";
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            result += line;
        } else {
            result += Trim(line.substr(0, equals));
            result += '=';
            result += Trim(line.substr(equals + 1));
        }
        result += '\n';
    }
    return result;
}

// Accepted difference: a list names each section or key once (the first
// spelling), as reads only ever see the first one.
std::vector<std::string> Distinct(const std::vector<std::string>& names) {
    std::vector<std::string> result;
    std::unordered_set<std::string> seen;
    for (const std::string& name : names)
        if (seen.insert(ToLower(name)).second) result.push_back(name);
    return result;
}

// Accepted difference: integers are whole decimal numbers or the default.
int ExpectedInteger(const std::string& text, int def) {
    long long value = 0;
    if (!ParseInt(text, value) || value < INT_MIN || value > INT_MAX) return def;
    return static_cast<int>(value);
}

std::string Visible(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n\n";
        else
            out += c;
    }
    return out;
}

// Generated files and operations.
class Generator {
public:
    explicit Generator(unsigned caseNumber) : random_(caseNumber) {}

    std::string File() {
        const char* breaks[] = {"\r\n", "\n"};
        int style = Pick(3);  // CR LF, LF or mixed
        std::vector<std::string> lines;
        if (Chance(30)) lines.push_back(Pick({"; written by hand", "loose=1", ""}));
        int sections = Pick(5);
        for (int s = 0; s < sections; ++s) {
            lines.push_back(Header());
            int entries = Pick(6);
            for (int e = 0; e < entries; ++e)
                lines.push_back(Entry());
        }
        std::string text;
        for (size_t i = 0; i < lines.size(); ++i) {
            text += lines[i];
            bool last = i + 1 == lines.size();
            if (!last || Chance(70)) text += style < 2 ? breaks[style] : breaks[Pick(2)];
        }
        return text;
    }

    std::string SectionName() { return Spelled(Pick(sectionNames_)); }
    std::string SectionQuery() {
        std::string name = Chance(10) ? "Epsilon" : SectionName();
        return Chance(15) ? "  " + name + " " : name;
    }
    std::string KeyQuery() { return Chance(10) ? "newkey" : Spelled(Pick(keyNames_)); }
    std::string Value() { return Pick(values_); }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool Chance(int percent) { return Pick(100) < percent; }

private:
    std::string Pick(const std::vector<std::string>& items) {
        return items[static_cast<size_t>(Pick(static_cast<int>(items.size())))];
    }

    std::string Spelled(std::string name) {
        int kind = Pick(4);
        if (kind == 1) {
            for (char& c : name)
                c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        } else if (kind == 2) {
            name = ToLower(name);
        }
        return name;
    }

    std::string Header() {
        std::string name = SectionName();
        switch (Pick(5)) {
            case 0:
                return "[ " + name + " ]";
            case 1:
                return "  [" + name + "]";
            case 2:
                return "[" + name + "]  ; note";
            default:
                return "[" + name + "]";
        }
    }

    std::string Entry() {
        std::string key = Spelled(Pick(keyNames_)), value = Value();
        switch (Pick(10)) {
            case 0:
                return key + " = " + value;
            case 1:
                return "  " + key + "=" + value + "  ";
            case 2:
                return key + "=";
            case 3:
                return key;
            case 4:
                return "; comment " + key + "=" + value;
            case 5:
                return Pick(2) ? "" : "   ";
            case 6:
                return key + "=\"" + value + "\"";
            default:
                return key + "=" + value;
        }
    }

    std::mt19937 random_;
    std::vector<std::string> sectionNames_{"alpha", "Beta", "gamma", "Delta"};
    std::vector<std::string> keyNames_{"k1", "k2", "Key Three", "path"};
    std::vector<std::string> values_{"1",   "abc", "",    "12abc", "-3",
                                     " 7 ", "0",   "a=b", "'q'",   "C:\\x y\\z.bas"};
};

class Comparison {
public:
    Comparison(const std::string& folder, int index, const std::string& content, bool missing)
        : platform_{folder + "\\case" + std::to_string(index) + "_platform.ini"},
          oursPath_(folder + "\\case" + std::to_string(index) + "_ours.ini"),
          ours_(oursPath_) {
        DeleteFileA(platform_.path.c_str());
        DeleteFileA(oursPath_.c_str());
        if (!missing) {
            PutFile(platform_.path, content);
            PutFile(oursPath_, content);
        }
        log_ << "file:\n" << (missing ? "(missing)\n" : Visible(content) + "<end>\n");
    }

    void RunOperation(Generator& generator) {
        std::string section = generator.SectionQuery(), key = generator.KeyQuery();
        // Accepted difference: IniFile trims the names it is given for every
        // operation; the platform does so for reads only (it lists no keys,
        // erases nothing and deletes nothing for a padded name, and creates a
        // section "[gamma ]" for "  gamma "). Other operations get the
        // platform the trimmed name.
        const std::string trimmed(Trim(section));
        switch (generator.Pick(10)) {
            case 0:
            case 1: {
                log_ << "read [" << section << "] " << key << "\n";
                EXPECT_EQ(ours_.ReadString(section, key, "DEF"),
                          platform_.Read(section, key, "DEF"))
                    << Log();
                break;
            }
            case 2: {
                log_ << "read integer [" << section << "] " << key << "\n";
                std::string text = platform_.Read(section, key, "");
                int platformValue = platform_.ReadInt(section, key, 42);
                int expected = ExpectedInteger(text, 42);
                if (expected != 42 && !text.empty()) {
                    EXPECT_EQ(platformValue, expected) << Log();
                }
                EXPECT_EQ(ours_.ReadInteger(section, key, 42), expected) << Log();
                break;
            }
            case 3: {
                log_ << "keys [" << section << "]\n";
                EXPECT_EQ(ours_.ReadSectionKeys(section), Distinct(platform_.Keys(trimmed)))
                    << Log();
                log_ << "sections\n";
                EXPECT_EQ(ours_.ReadSections(), Distinct(platform_.Sections())) << Log();
                break;
            }
            case 4:
            case 5: {
                std::string value = generator.Value();
                log_ << "write [" << section << "] " << key << " = '" << value << "'\n";
                EXPECT_TRUE(ours_.WriteString(section, key, value)) << Log();
                platform_.Write(trimmed, key.c_str(), value.c_str());
                CompareFiles();
                break;
            }
            case 6: {
                log_ << "delete key [" << section << "] " << key << "\n";
                EXPECT_TRUE(ours_.DeleteKey(section, key)) << Log();
                platform_.RemoveAll(trimmed, key.c_str());
                CompareFiles();
                break;
            }
            case 8: {
                // Many keys at once against the platform writing them one by one.
                std::vector<std::pair<std::string, std::string>> entries;
                for (int i = 0, n = 1 + generator.Pick(4); i < n; ++i)
                    entries.emplace_back(i == 0 ? key : generator.KeyQuery(), generator.Value());
                log_ << "write keys [" << section << "]";
                for (const auto& [k, v] : entries) log_ << " " << k << "='" << v << "'";
                log_ << "\n";
                EXPECT_TRUE(ours_.WriteKeys(section, entries)) << Log();
                for (const auto& [k, v] : entries) platform_.Write(trimmed, k.c_str(), v.c_str());
                CompareFiles();
                break;
            }
            case 9: {
                std::vector<std::string> keys{key, generator.KeyQuery()};
                log_ << "delete keys [" << section << "] " << keys[0] << ", " << keys[1] << "\n";
                EXPECT_TRUE(ours_.DeleteKeys(section, keys)) << Log();
                for (const std::string& k : keys) platform_.RemoveAll(trimmed, k.c_str());
                CompareFiles();
                break;
            }
            default: {
                log_ << "erase [" << section << "]\n";
                EXPECT_TRUE(ours_.EraseSection(section)) << Log();
                platform_.RemoveAll(trimmed, nullptr);
                CompareFiles();
                break;
            }
        }
    }

    // Every section and key of the pools read both ways.
    void CompareEverything() {
        for (const char* section : {"alpha", "beta", "GAMMA", "Delta", "Epsilon"}) {
            EXPECT_EQ(ours_.ReadSectionKeys(section), Distinct(platform_.Keys(section))) << Log();
            for (const char* key : {"k1", "K2", "key three", "PATH", "newkey"}) {
                EXPECT_EQ(ours_.ReadString(section, key, "DEF"),
                          platform_.Read(section, key, "DEF"))
                    << section << "/" << key << "\n"
                    << Log();
            }
        }
        CompareFiles();
    }

    void CompareFiles() {
        EXPECT_EQ(FileExists(oursPath_), FileExists(platform_.path)) << Log();
        EXPECT_EQ(Normalized(FileText(oursPath_)), Normalized(FileText(platform_.path))) << Log();
    }

    std::string Log() const {
        return log_.str() + "ours now:\n" + Visible(FileText(oursPath_)) +
               "<end>\nplatform now:\n" + Visible(FileText(platform_.path)) + "<end>";
    }

    void Remove() {
        DeleteFileA(platform_.path.c_str());
        DeleteFileA(oursPath_.c_str());
    }

private:
    Platform platform_;
    std::string oursPath_;
    IniFile ours_;
    std::ostringstream log_;
};

class IniDifferential : public ::testing::Test {
protected:
    static void SetUpTestSuite() { folder_ = new std::string(TempFolderPath()); }
    static void TearDownTestSuite() {
        RemoveDirectoryA(folder_->c_str());
        delete folder_;
    }
    std::string Path(const std::string& name) const { return *folder_ + "\\" + name; }

    static std::string* folder_;
};
std::string* IniDifferential::folder_ = nullptr;

TEST_F(IniDifferential, GeneratedFilesAndSequencesAgree) {
    constexpr int kCases = 200, kOperations = 12;
    for (int index = 0; index < kCases; ++index) {
        Generator generator(static_cast<unsigned>(1000 + index));
        std::string content = generator.File();
        Comparison comparison(*folder_, index, content, generator.Chance(5));
        for (int op = 0; op < kOperations; ++op)
            comparison.RunOperation(generator);
        comparison.CompareEverything();
        comparison.Remove();
        if (HasFailure()) {
            ADD_FAILURE() << "first failing case: " << index;
            return;
        }
    }
}

// The accepted differences, each shown on both sides.

TEST_F(IniDifferential, AcceptedDifferenceIntegersMustBeWholeDecimalNumbers) {
    const std::string path = Path("integers.ini");
    PutFile(path, "[n]\na=12abc\nb=abc\nc=0x10\nd=true\ne=99999999999\n");
    Platform platform{path};
    IniFile ours(path);
    EXPECT_EQ(platform.ReadInt("n", "a", 5), 12);
    EXPECT_EQ(platform.ReadInt("n", "b", 5), 0);
    EXPECT_EQ(platform.ReadInt("n", "c", 5), 16);
    EXPECT_EQ(platform.ReadInt("n", "d", 5), 0);
    for (const char* key : {"a", "b", "c", "d", "e"})
        EXPECT_EQ(ours.ReadInteger("n", key, 5), 5) << key;
    DeleteFileA(path.c_str());
}

TEST_F(IniDifferential, AcceptedDifferenceLineBreaksAndEqualsSignsAreRefused) {
    const std::string platformPath = Path("inject_platform.ini"),
                      oursPath = Path("inject_ours.ini");
    PutFile(platformPath, "[general]\r\nhelp=x\r\n");
    PutFile(oursPath, "[general]\r\nhelp=x\r\n");
    Platform platform{platformPath};
    IniFile ours(oursPath);
    platform.Write("general", "help", "a\r\n[editor]\r\nfont.size=99");
    EXPECT_EQ(platform.Read("editor", "font.size", "none"), "99");  // a section was injected
    platform.Write("general", "C:\\a=b.bas", "0");
    EXPECT_EQ(platform.Read("general", "C:\\a", "none"), "b.bas=0");  // the key came back cut

    EXPECT_FALSE(ours.WriteString("general", "help", "a\r\n[editor]\r\nfont.size=99"));
    EXPECT_FALSE(ours.WriteString("general", "C:\\a=b.bas", "0"));
    EXPECT_EQ(FileText(oursPath), "[general]\r\nhelp=x\r\n");
    DeleteFileA(platformPath.c_str());
    DeleteFileA(oursPath.c_str());
}

TEST_F(IniDifferential, AcceptedDifferenceDuplicatesAreListedOnceAndRemovedTogether) {
    const std::string text = "[a]\r\nk=1\r\nK=2\r\n[b]\r\nx=1\r\n[A]\r\nk=3\r\nz=4\r\n";
    const std::string platformPath = Path("dups_platform.ini"), oursPath = Path("dups_ours.ini");
    PutFile(platformPath, text);
    PutFile(oursPath, text);
    Platform platform{platformPath};
    IniFile ours(oursPath);
    EXPECT_EQ(platform.Keys("a"), (std::vector<std::string>{"k", "K"}));
    EXPECT_EQ(ours.ReadSectionKeys("a"), std::vector<std::string>{"k"});
    EXPECT_EQ(platform.Sections(), (std::vector<std::string>{"a", "b", "A"}));
    EXPECT_EQ(ours.ReadSections(), (std::vector<std::string>{"a", "b"}));

    // One removal call leaves a duplicate behind on the platform, visible to the next read.
    platform.Write("a", "k", nullptr);
    EXPECT_EQ(platform.Read("a", "k", "gone"), "2");
    EXPECT_TRUE(ours.DeleteKey("a", "k"));
    EXPECT_EQ(ours.ReadString("a", "k", "gone"), "gone");
    platform.Write("a", nullptr, nullptr);
    EXPECT_EQ(platform.Read("a", "z", "gone"), "4");
    EXPECT_TRUE(ours.EraseSection("a"));
    EXPECT_EQ(ours.ReadString("a", "z", "gone"), "gone");
    EXPECT_EQ(FileText(oursPath), "[b]\r\nx=1\r\n");
    DeleteFileA(platformPath.c_str());
    DeleteFileA(oursPath.c_str());
}

TEST_F(IniDifferential, AcceptedDifferenceDefaultsAndCommentsAndLayout) {
    const std::string text = "[s]\n; c=1\n\n  k =  v  \n";
    const std::string platformPath = Path("layout_platform.ini"),
                      oursPath = Path("layout_ours.ini");
    PutFile(platformPath, text);
    PutFile(oursPath, text);
    Platform platform{platformPath};
    IniFile ours(oursPath);
    // Defaults come back as given, without the platform's trimming and unquoting.
    EXPECT_EQ(platform.Read("s", "missing", "\"quoted\"  "), "quoted");
    EXPECT_EQ(ours.ReadString("s", "missing", "\"quoted\"  "), "\"quoted\"  ");
    // Comment lines are never keys.
    EXPECT_EQ(platform.Read("s", "; c", "DEF"), "1");
    EXPECT_EQ(ours.ReadString("s", "; c", "DEF"), "DEF");
    // Lines that a write does not touch keep their layout and line breaks.
    platform.Write("s", "new", "1");
    EXPECT_TRUE(ours.WriteString("s", "new", "1"));
    EXPECT_EQ(FileText(platformPath), "[s]\r\n; c=1\r\nk=v\r\nnew=1\r\n");
    EXPECT_EQ(FileText(oursPath), "[s]\n; c=1\n\n  k =  v  \nnew=1\n");
    DeleteFileA(platformPath.c_str());
    DeleteFileA(oursPath.c_str());
}

}  // namespace
}  // namespace tavrin

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
