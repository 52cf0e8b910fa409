#include "hostile_texts.h"

#include <random>

namespace {

const char* const kFixedTexts[] = {
    // numbers at the edges
    "0", "-0", "1", "-1", "2", "7", "255", "256", "65535", "65536", "2147483647", "2147483648",
    "-2147483648", "-2147483649", "4294967295", "4294967296", "18446744073709551615",
    "99999999999999999999999999", "1e308", "-1e308", "1e-308", "1e309", "-1e309", "nan", "NaN",
    "inf", "-inf", "1.5", "2.5", "-2.5", "0.5", "1e10", "1d5", "3.999999999999",
    // other notations
    "&H0", "&HFFFFFFFF", "&H80000000", "&H7FFFFFFF", "&HFFFFFFFFFFFFFFFF", "&hffff", "&O777",
    "&O37777777777", "&B1", "&B11111111111111111111111111111111", "&H", "&", "-&H1", "0x10",
    "0xFFFFFFFF", " 12", " \t-3", "+5", "12abc", "1 2", "--1", "+-1", "1,5", "١٢",
    // format directives
    "%s%s%n%x", "%n%n%n%n", "%999999999d", "%p%p%p%p", "%", "%%", "%*.*s", "%ls", "{0}", "$(x)",
    // empty, blanks and control characters
    "", " ", "\t", "\r\n", "\x01\x02\x03", "a\nb", "1\n2", "\x7f", "\xff\xfe", "\x1b[31m", "\x08\x08",
    // value names in odd letter case
    "ALCLIENT", "alclient", "AlTop", "TRUE", "true", "False", "FALSE", "bsSizeable", "BSNONE",
    "fsStayOnTop", "wsMaximized", "WSHIDE", "crHand", "CRARROW", "clWindow", "CLBTNFACE",
    "taCenter", "biMinimize", "csDesign", "Tahoma", "tahoma", "Arial", "QForm", "qbutton",
    "QStatic", "static", "Button", "edit", "combobox", "ListBox", "scrollbar", "#32770", "QGeneric",
    "Control(0)", "Parent", "THIS", "FreeBasicObject"};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : random_(seed) {}

    // A number below the bound (the raw generator output is fixed by the standard).
    std::uint32_t Below(std::uint32_t bound) { return static_cast<std::uint32_t>(random_() % bound); }

    std::string RandomText(const std::vector<std::string>& addresses) {
        switch (Below(9)) {
            case 0: return std::to_string(static_cast<std::int32_t>(random_()));
            case 1: return std::to_string(static_cast<std::uint32_t>(random_()));
            case 2: return "&H" + Hex(static_cast<std::uint32_t>(random_()));
            case 3:
                return std::to_string(Below(2000)) + "." + std::to_string(Below(1000)) + "e" +
                       std::to_string(static_cast<int>(Below(700)) - 350);
            case 4: return Printable(Below(48));
            case 5: return Bytes(Below(48));
            case 6: return Long(256 + Below(768));
            case 7:
                if (!addresses.empty()) return Near(addresses[Below(static_cast<std::uint32_t>(addresses.size()))]);
                return "0";
            default: return std::to_string(Below(8));
        }
    }

    std::string Long(std::size_t size) {
        static const char* const kFills[] = {"A", "9", "%s", "&HF", "\xff", "-1", " "};
        std::string fill = kFills[Below(7)];
        std::string text;
        while (text.size() < size) text += fill;
        text.resize(size);
        return text;
    }

private:
    static std::string Hex(std::uint32_t value) {
        static const char kDigits[] = "0123456789ABCDEF";
        std::string text;
        do {
            text.insert(text.begin(), kDigits[value % 16]);
            value /= 16;
        } while (value);
        return text;
    }

    std::string Printable(std::size_t size) {
        std::string text;
        for (std::size_t i = 0; i < size; ++i) text += static_cast<char>(32 + Below(95));
        return text;
    }

    // Any bytes but zero, which ends a text.
    std::string Bytes(std::size_t size) {
        std::string text;
        for (std::size_t i = 0; i < size; ++i) text += static_cast<char>(1 + Below(255));
        return text;
    }

    // The address, or the address moved by a few bytes.
    std::string Near(const std::string& address) {
        static const int kOffsets[] = {0, 0, 1, 4, -4, 8, 16, -16};
        int offset = kOffsets[Below(8)];
        std::uint32_t value = static_cast<std::uint32_t>(std::stoul(address)) + static_cast<std::uint32_t>(offset);
        return std::to_string(value);
    }

    std::mt19937 random_;
};

}  // namespace

HostileTextSet HostileTexts(std::size_t count, std::uint32_t seed,
                            const std::vector<std::string>& addresses) {
    Generator generator(seed);
    std::vector<std::string> texts(std::begin(kFixedTexts), std::end(kFixedTexts));
    texts.insert(texts.end(), addresses.begin(), addresses.end());
    // Texts of 64 KB: letters, bytes above 127, dashes and a huge hexadecimal number. (Long
    // runs of decimal digits or points make the window system's edit control take seconds
    // for each text under Wine; shorter random texts of them follow below.)
    for (char fill : {'A', '\xff', '-', 'F'}) {
        std::string text(65536, fill);
        if (fill == 'F') text.replace(0, 2, "&H");
        texts.push_back(text);
    }
    std::size_t fixed = texts.size();
    while (texts.size() < count) texts.push_back(generator.RandomText(addresses));
    texts.resize(count);
    return {texts, fixed < count ? fixed : count};
}
