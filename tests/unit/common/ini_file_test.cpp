#include "common/ini_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "support/temp_folder.h"
#include "support/file_bytes.h"

namespace tavrin {
namespace {

using test::Exists;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class IniFileTest : public ::testing::Test {
protected:
    void Given(const std::string& content) { WriteBytes(path, content); }
    std::string Content() const { return ReadBytes(path); }

    TempFolder folder;
    std::string path = folder.Path("settings.ini");
    IniFile ini{path};
};

TEST_F(IniFileTest, MissingFileGivesDefaultsAndComesIntoBeingAtFirstWrite) {
    EXPECT_EQ(ini.ReadString("general", "compiler", "fbc.exe"), "fbc.exe");
    EXPECT_EQ(ini.ReadInteger("general", "mrucount", 20), 20);
    EXPECT_TRUE(ini.ReadBool("general", "ExportSymbols", true));
    EXPECT_TRUE(ini.ReadSectionKeys("mru").empty());
    EXPECT_TRUE(ini.ReadSections().empty());
    EXPECT_TRUE(ini.EraseSection("mru"));
    EXPECT_TRUE(ini.DeleteKey("libs", "Velpack.dll"));
    EXPECT_FALSE(Exists(path));

    ASSERT_TRUE(ini.WriteString("general", "compiler", "C:\\fb\\fbc.exe"));
    EXPECT_EQ(Content(), "[general]\r\ncompiler=C:\\fb\\fbc.exe\r\n");
    EXPECT_FALSE(Exists(path + ".tmp"));
}

TEST_F(IniFileTest, NamesAreComparedWithoutCaseAndExistingSpellingIsKept) {
    Given("[General]\r\nCompiler=old\r\n");
    EXPECT_EQ(ini.ReadString("GENERAL", "compiler", ""), "old");
    EXPECT_EQ(ini.ReadString("  general ", " COMPILER ", ""), "old");
    ASSERT_TRUE(ini.WriteString("general", "COMPILER", "new"));
    EXPECT_EQ(Content(), "[General]\r\nCompiler=new\r\n");
}

TEST_F(IniFileTest, ExistingKeyIsReplacedWhereItStandsAndEveryOtherLineIsKept) {
    const std::string before =
        "; settings\r\n"
        "loose line before sections\r\n"
        "[general]\r\n"
        "  compiler =  old  \r\n"
        "\r\n"
        "; comment inside\r\n"
        "help=h.chm\r\n"
        "[ editor ]  trailing text\r\n"
        "font.name = courier\r\n";
    Given(before);
    ASSERT_TRUE(ini.WriteString("general", "compiler", "fbc"));
    std::string expected = before;
    expected.replace(expected.find("  compiler =  old  "), 19, "compiler=fbc");
    EXPECT_EQ(Content(), expected);
    EXPECT_EQ(ini.ReadString("editor", "font.name", ""), "courier");
}

TEST_F(IniFileTest, NewKeyGoesAfterTheLastNonBlankLineOfItsSection) {
    Given("[mru]\nb.bas=1\na.bas=2\n\n[general]\nhelp=x\n");
    ASSERT_TRUE(ini.WriteString("mru", "c.bas", "0"));
    EXPECT_EQ(Content(), "[mru]\nb.bas=1\na.bas=2\nc.bas=0\n\n[general]\nhelp=x\n");
    EXPECT_EQ(ini.ReadSectionKeys("MRU"), (std::vector<std::string>{"b.bas", "a.bas", "c.bas"}));
}

TEST_F(IniFileTest, WritesAddTheMissingFinalLineBreakBeforeNewLines) {
    Given("[general]\nhelp=x");
    ASSERT_TRUE(ini.WriteString("general", "compiler", "fbc"));
    EXPECT_EQ(Content(), "[general]\nhelp=x\ncompiler=fbc\n");

    Given("[general]\r\nhelp=x");
    ASSERT_TRUE(ini.WriteString("editor", "font.size", "12"));
    EXPECT_EQ(Content(), "[general]\r\nhelp=x\r\n[editor]\r\nfont.size=12\r\n");

    Given("[empty]");
    ASSERT_TRUE(ini.WriteString("empty", "k", "v"));
    EXPECT_EQ(Content(), "[empty]\r\nk=v\r\n");
}

TEST_F(IniFileTest, RewritingTheSameValueLeavesTheFileUntouched) {
    Given("[general]\n  compiler =  fbc  \n");
    ASSERT_TRUE(ini.WriteString("general", "compiler", "fbc"));
    EXPECT_EQ(Content(), "[general]\n  compiler =  fbc  \n");
}

TEST_F(IniFileTest, IntegersAreWholeDecimalNumbersOrTheDefault) {
    Given("[n]\na=12\nb= -5 \nc=+7\nd=abc\ne=12abc\nf=\ng=99999999999\nh=0x10\ni=\"42\"\nj=1.5\n");
    EXPECT_EQ(ini.ReadInteger("n", "a", 0), 12);
    EXPECT_EQ(ini.ReadInteger("n", "b", 0), -5);
    EXPECT_EQ(ini.ReadInteger("n", "c", 0), 7);
    EXPECT_EQ(ini.ReadInteger("n", "i", 0), 42);
    for (const char* key : {"d", "e", "f", "g", "h", "j", "missing"})
        EXPECT_EQ(ini.ReadInteger("n", key, 99), 99) << key;
}

TEST_F(IniFileTest, FlagsAreIntegersWrittenAsOneOrZero) {
    Given("[general]\nAllowCompletion=true\nExportSymbols=2\nAutocreateForms=0\n");
    EXPECT_TRUE(ini.ReadBool("general", "AllowCompletion", true));
    EXPECT_FALSE(ini.ReadBool("general", "AllowCompletion", false));
    EXPECT_TRUE(ini.ReadBool("general", "ExportSymbols", false));
    EXPECT_FALSE(ini.ReadBool("general", "AutocreateForms", true));
    ASSERT_TRUE(ini.WriteBool("general", "AllowCompletion", true));
    ASSERT_TRUE(ini.WriteBool("general", "ExportSymbols", false));
    ASSERT_TRUE(ini.WriteInteger("general", "count", -3));
    EXPECT_EQ(Content(),
              "[general]\nAllowCompletion=1\nExportSymbols=0\nAutocreateForms=0\ncount=-3\n");
}

TEST_F(IniFileTest, ValuesAreTrimmedAndLoseOnePairOfSurroundingQuotes) {
    Given(
        "[v]\na=\"C:\\Program Files\\fbc.exe\"\nb='x'\nc=\"unbalanced\nd=\"\ne=  spaced out  "
        "\nf=a=b\n");
    EXPECT_EQ(ini.ReadString("v", "a", ""), "C:\\Program Files\\fbc.exe");
    EXPECT_EQ(ini.ReadString("v", "b", ""), "x");
    EXPECT_EQ(ini.ReadString("v", "c", ""), "\"unbalanced");
    EXPECT_EQ(ini.ReadString("v", "d", ""), "\"");
    EXPECT_EQ(ini.ReadString("v", "e", ""), "spaced out");
    EXPECT_EQ(ini.ReadString("v", "f", ""), "a=b");
}

TEST_F(IniFileTest, HeadersCommentsAndLinesWithoutEqualsSign) {
    Given("[ spaced ]\na=1\n[tail] ; note\nb=2\n[unclosed\nc=3\n[x]\n;k=hidden\nbare\nk2=\n");
    EXPECT_EQ(ini.ReadString("spaced", "a", ""), "1");
    EXPECT_EQ(ini.ReadString("tail", "b", ""), "2");
    EXPECT_EQ(ini.ReadString("tail", "c", ""), "3");  // "[unclosed" is not a header
    EXPECT_EQ(ini.ReadString("x", ";k", "def"), "def");
    EXPECT_EQ(ini.ReadString("x", "bare", "def"), "def");
    EXPECT_EQ(ini.ReadString("x", "k2", "def"), "");
    EXPECT_EQ(ini.ReadSectionKeys("x"), std::vector<std::string>{"k2"});
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"spaced", "tail", "x"}));
    // Writing a bare line's key gives it a value where it stands.
    ASSERT_TRUE(ini.WriteString("x", "BARE", "now"));
    EXPECT_EQ(ini.ReadSectionKeys("x"), (std::vector<std::string>{"bare", "k2"}));
}

TEST_F(IniFileTest, DuplicateSectionsAndKeysFirstOccurrenceWins) {
    Given("[a]\nk=1\nK=2\n[b]\nk=9\n[A]\nk=3\nonly=4\n");
    EXPECT_EQ(ini.ReadString("a", "k", ""), "1");
    EXPECT_EQ(ini.ReadString("a", "only", "def"), "def");
    EXPECT_EQ(ini.ReadSectionKeys("a"), std::vector<std::string>{"k"});
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"a", "b"}));

    ASSERT_TRUE(ini.WriteString("a", "only", "new"));
    EXPECT_EQ(Content(), "[a]\nk=1\nK=2\nonly=new\n[b]\nk=9\n[A]\nk=3\nonly=4\n");
    EXPECT_EQ(ini.ReadString("a", "only", ""), "new");
}

TEST_F(IniFileTest, DeletingAKeyRemovesEveryOccurrenceSoItReadsAsDefault) {
    Given(
        "[libs]\nVelpack.dll=true\nother.dll=true\nVELPACK.DLL=true\n[x]\nVelpack.dll=1\n"
        "[LIBS]\nvelpack.dll=true\n");
    ASSERT_TRUE(ini.DeleteKey("LIBS", "velpack.dll"));
    EXPECT_EQ(Content(), "[libs]\nother.dll=true\n[x]\nVelpack.dll=1\n[LIBS]\n");
    EXPECT_EQ(ini.ReadString("libs", "Velpack.dll", "gone"), "gone");
}

TEST_F(IniFileTest, ErasingASectionRemovesAllItsKeysAndEveryDuplicate) {
    Given("[compilers]\nfbc1=0\n; note\n\n[general]\nhelp=h\n[Compilers]\nfbc2=1\n");
    ASSERT_TRUE(ini.EraseSection("compilers"));
    EXPECT_EQ(Content(), "[general]\nhelp=h\n");
    EXPECT_TRUE(ini.ReadSectionKeys("compilers").empty());
    EXPECT_EQ(ini.ReadString("compilers", "fbc2", "none"), "none");
    // The section comes back empty of old keys on the next write.
    ASSERT_TRUE(ini.WriteString("compilers", "fbc3", "0"));
    EXPECT_EQ(ini.ReadSectionKeys("compilers"), std::vector<std::string>{"fbc3"});
}

TEST_F(IniFileTest, WritesThatCannotBeStoredFaithfullyAreRefusedAndChangeNothing) {
    Given("[general]\nhelp=x\n");
    EXPECT_FALSE(ini.WriteString("general", "help", "a\r\n[general]\r\nmrucount=5"));
    EXPECT_FALSE(ini.WriteString("general", "help", std::string("a\0b", 3)));
    EXPECT_FALSE(ini.WriteString("general", "C:\\a=b\\x.bas", "0"));
    EXPECT_FALSE(ini.WriteString("general", "[editor]", "1"));
    EXPECT_FALSE(ini.WriteString("general", ";hidden", "1"));
    EXPECT_FALSE(ini.WriteString("general", "  ", "1"));
    EXPECT_FALSE(ini.WriteString("", "k", "1"));
    EXPECT_FALSE(ini.WriteString("a\nb", "k", "1"));
    EXPECT_FALSE(ini.EraseSection(""));
    EXPECT_FALSE(ini.DeleteKey("general", ""));
    EXPECT_EQ(Content(), "[general]\nhelp=x\n");
}

TEST_F(IniFileTest, FailedWritesReportFalseAndKeepTheFile) {
    Given("[general]\nhelp=x\n");
    test::SetReadOnly(path, true);  // the file cannot be replaced
    EXPECT_FALSE(ini.WriteString("general", "help", "y"));
    EXPECT_FALSE(ini.EraseSection("general"));
    EXPECT_FALSE(ini.DeleteKey("general", "help"));
    EXPECT_EQ(Content(), "[general]\nhelp=x\n");
    EXPECT_FALSE(test::Writable(path));
    test::SetReadOnly(path, false);

    TempFolder other;
    IniFile inFolderThatIsMissing(other.Path("missing/folder/settings.ini"));
    EXPECT_FALSE(inFolderThatIsMissing.WriteString("s", "k", "v"));

    // A settings path that names a folder can be neither read nor replaced.
    std::filesystem::create_directories(other.Path("folder.ini/inner"));
    IniFile folderFile(other.Path("folder.ini"));
    EXPECT_EQ(folderFile.ReadString("s", "k", "def"), "def");
    EXPECT_FALSE(folderFile.WriteString("s", "k", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(other.Path("folder.ini/inner")));
}

TEST_F(IniFileTest, BinaryJunkAndNulBytesAreReadAroundAndKeptOnRewrite) {
    std::string junk("\x01\x02\xff\xfe\x00[x\x00y]\x00=\x00\x7f\x80", 15);
    const std::string before = "[general]\r\n" + junk + "\r\nhelp=h\r\n" + junk +
                               "\r\n[editor]\r\n" + std::string("font\0name=z\r\n", 13) +
                               "font.size=12\r\n";
    Given(before);
    EXPECT_EQ(ini.ReadString("general", "help", ""), "h");
    EXPECT_EQ(ini.ReadInteger("editor", "font.size", 0), 12);
    EXPECT_EQ(ini.ReadString("editor", "font", "def"), "def");
    ASSERT_TRUE(ini.WriteString("editor", "font.size", "14"));
    std::string expected = before;
    expected.replace(expected.find("font.size=12"), 12, "font.size=14");
    EXPECT_EQ(Content(), expected);
}

TEST_F(IniFileTest, VeryLongLinesCrOnlyBreaksAndByteOrderMark) {
    const std::string longValue(1 << 20, 'v');
    Given("\xEF\xBB\xBF[general]\rhelp=" + longValue + "\r[mru]\ra.bas=0");
    EXPECT_EQ(ini.ReadString("general", "help", ""), longValue);
    EXPECT_EQ(ini.ReadSectionKeys("mru"), std::vector<std::string>{"a.bas"});
    ASSERT_TRUE(ini.WriteString("mru", "b.bas", "1"));
    EXPECT_EQ(Content(),
              "\xEF\xBB\xBF[general]\rhelp=" + longValue + "\r[mru]\ra.bas=0\r\nb.bas=1\r\n");
}

TEST_F(IniFileTest, BatchKeepsWritesInMemoryUntilItsEndAndGivesTheSameFile) {
    const std::string start = "[general]\nhelp=x\n\n[libs]\nOld.dll=true\n";
    Given(start);
    ini.BeginBatch();
    ASSERT_TRUE(ini.WriteString("general", "compiler", "fbc"));
    ini.BeginBatch();  // nested: ends with the outer batch
    ASSERT_TRUE(ini.EraseSection("libs"));
    ASSERT_TRUE(ini.WriteString("libs", "Velpack.dll", "true"));
    EXPECT_TRUE(ini.EndBatch());
    ASSERT_TRUE(ini.DeleteKey("general", "help"));
    EXPECT_EQ(ini.ReadString("general", "compiler", ""), "fbc");
    EXPECT_EQ(ini.ReadSectionKeys("libs"), std::vector<std::string>{"Velpack.dll"});
    EXPECT_EQ(Content(), start);
    EXPECT_TRUE(ini.EndBatch());
    const std::string batched = Content();

    Given(start);
    ini.WriteString("general", "compiler", "fbc");
    ini.EraseSection("libs");
    ini.WriteString("libs", "Velpack.dll", "true");
    ini.DeleteKey("general", "help");
    EXPECT_EQ(batched, Content());
    EXPECT_EQ(batched, "[general]\ncompiler=fbc\n\n[libs]\nVelpack.dll=true\n");
}

TEST_F(IniFileTest, BatchWithoutChangesWritesNothingAndAFailedEndIsReported) {
    ini.BeginBatch();
    EXPECT_TRUE(ini.EraseSection("mru"));
    EXPECT_TRUE(ini.EndBatch());
    EXPECT_FALSE(Exists(path));
    EXPECT_TRUE(ini.EndBatch());  // unmatched: nothing to do

    Given("[general]\nhelp=x\n");
    ini.BeginBatch();
    EXPECT_TRUE(ini.WriteString("general", "help", "y"));
    test::SetReadOnly(path, true);
    EXPECT_FALSE(ini.EndBatch());
    EXPECT_EQ(Content(), "[general]\nhelp=x\n");
    test::SetReadOnly(path, false);
}

TEST_F(IniFileTest, ManyWritesStayCorrectOnALargeFile) {
    std::string big;
    for (int s = 0; s < 200; ++s) {
        big += "[s" + std::to_string(s) + "]\n";
        for (int k = 0; k < 50; ++k)
            big += "k" + std::to_string(k) + "=" + std::to_string(k) + "\n";
    }
    Given(big);
    for (int s = 0; s < 200; s += 20)
        ASSERT_TRUE(ini.WriteInteger("s" + std::to_string(s), "k49", -s));
    ASSERT_TRUE(ini.EraseSection("s199"));
    EXPECT_EQ(ini.ReadInteger("s180", "k49", 0), -180);
    EXPECT_EQ(ini.ReadInteger("s181", "k49", 0), 49);
    EXPECT_EQ(ini.ReadSections().size(), 199u);
    EXPECT_EQ(ini.ReadSectionKeys("s5").size(), 50u);
}

// Files and change lists drawn from small pools, so that keys collide, come
// in other spellings, exist without "=", or cannot be stored.
class ChangeGenerator {
public:
    explicit ChangeGenerator(unsigned seed) : random_(seed) {}

    std::string File() {
        std::string text = Chance(20) ? "\xEF\xBB\xBF" : "";
        const char* lineBreak = Chance(50) ? "\r\n" : "\n";
        int sections = Pick(4);
        for (int s = 0; s < sections; ++s) {
            text += Pick({"[mru]", "[MRU]", "[ mru ]", "[other]", "; [mru]"}) + lineBreak;
            int lines = Pick(5);
            for (int l = 0; l < lines; ++l)
                text += Pick({Key() + "=" + Value(), Key(), "", "; note", "  " + Key() + " = " + Value()}) + lineBreak;
        }
        if (Chance(30) && !text.empty()) text.resize(text.size() - std::string(lineBreak).size());
        return text;
    }
    std::vector<std::pair<std::string, std::string>> Entries() {
        std::vector<std::pair<std::string, std::string>> entries;
        int count = Pick(6);
        for (int i = 0; i < count; ++i)
            entries.emplace_back(Chance(10) ? Pick({"a=b", "", "x\ny"}) : Key(), Chance(5) ? "v\r" : Value());
        return entries;
    }
    std::vector<std::string> Keys() {
        std::vector<std::string> keys;
        int count = Pick(5);
        for (int i = 0; i < count; ++i) keys.push_back(Chance(10) ? "" : Key());
        return keys;
    }
    std::string Section() { return Pick({"mru", "MRU", " mru ", "absent"}); }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool Chance(int percent) { return Pick(100) < percent; }
    std::string Pick(std::initializer_list<std::string> items) {
        return *(items.begin() + Pick(static_cast<int>(items.size())));
    }
    std::string Key() { return Pick({"a.bas", "A.BAS", "b.bas", " c.bas ", "C:\\x\\d.bas"}); }
    std::string Value() { return Pick({"0", "1", "", " 2 ", "true"}); }

    std::mt19937 random_;
};

TEST_F(IniFileTest, ManyChangesAtOnceGiveTheFileThatOneByOneGives) {
    IniFile oneByOne(folder.Path("one_by_one.ini"));
    for (unsigned seed = 0; seed < 400; ++seed) {
        ChangeGenerator generate(seed);
        const std::string start = generate.File(), section = generate.Section();
        Given(start);
        WriteBytes(oneByOne.Path(), start);
        bool deleting = seed % 3 == 0;
        bool together = true, single = true;
        if (deleting) {
            std::vector<std::string> keys = generate.Keys();
            together = ini.DeleteKeys(section, keys);
            for (const std::string& key : keys) single = oneByOne.DeleteKey(section, key) && single;
        } else {
            auto entries = generate.Entries();
            together = ini.WriteKeys(section, entries);
            for (const auto& [key, value] : entries) single = oneByOne.WriteString(section, key, value) && single;
        }
        EXPECT_EQ(together, single) << "case " << seed;
        ASSERT_EQ(Content(), ReadBytes(oneByOne.Path())) << "case " << seed << ", file:\n" << start;
    }
}

TEST_F(IniFileTest, ManyKeysAreWrittenWithOneRewrite) {
    Given("[general]\r\nhelp=x\r\n");
    std::vector<std::pair<std::string, std::string>> entries;
    for (int i = 0; i < 50000; ++i) entries.emplace_back("file" + std::to_string(i) + ".bas", std::to_string(i));
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(ini.WriteKeys("mru", entries));
    std::vector<std::string> gone;
    for (int i = 100; i < 50000; ++i) gone.push_back("FILE" + std::to_string(i) + ".BAS");
    ASSERT_TRUE(ini.DeleteKeys("mru", gone));
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 20.0) << "a rewrite per key grows with the square of the count";
    EXPECT_EQ(ini.ReadSectionKeys("mru").size(), 100u);
    EXPECT_EQ(ini.ReadString("mru", "file99.bas", ""), "99");
    EXPECT_EQ(ini.ReadString("general", "help", ""), "x");
}

}  // namespace
}  // namespace tavrin
