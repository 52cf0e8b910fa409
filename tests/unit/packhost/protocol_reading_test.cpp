// The checks and copy of a pack's property info record.
#include <gtest/gtest.h>

#include "packhost/protocol_reading.h"

namespace tavrin {
namespace {

char kUnreadable[] = "stands for a pointer into no memory";

// Reads like the real reader, except that kUnreadable cannot be read.
bool ReadTestText(const char* text, std::optional<std::string>& copy) {
    copy.reset();
    if (text == kUnreadable) return false;
    if (text) copy = text;
    return true;
}

TEST(KnownKind, OnlyTheLowByteCounts) {
    for (QPropKind kind : {pkNone, pkInteger, pkString, pkBoolean, pkSet, pkEnumeration, pkObject, pkEvent}) {
        EXPECT_EQ(kind, KnownKind(kind));
        EXPECT_EQ(kind, KnownKind(0x7A0000 | kind));
    }
    EXPECT_EQ(pkNone, KnownKind(0x100));
    EXPECT_EQ(pkEvent, KnownKind(static_cast<std::int32_t>(0xFFFFFF0E)));
    for (std::int32_t odd : {1, 2, 4, 7, 9, 15, 99, 255, -1}) {
        EXPECT_FALSE(KnownKind(odd)) << odd;
    }
}

TEST(CopyPropInfo, CopiesEveryTextAndKeepsNullApartFromEmpty) {
    char typeName[] = "QAlign", items[] = "alNone,alLeft", value[] = "", editor[] = "TELColorEditor";
    QPropInfo record{0x300 | pkEnumeration, typeName, items, value, editor};
    RecordCopy copy = CopyPropInfo(record, ReadTestText);
    ASSERT_TRUE(copy.info) << copy.problem;
    EXPECT_EQ(pkEnumeration, copy.info->kind);
    EXPECT_EQ(0x300 | pkEnumeration, copy.info->rawKind);
    EXPECT_EQ("QAlign", copy.info->typeName);
    EXPECT_EQ("alNone,alLeft", copy.info->items);
    EXPECT_EQ("", copy.info->value);
    EXPECT_EQ("TELColorEditor", copy.info->editor);
    typeName[0] = 'X';  // the copy does not follow the pack's block
    EXPECT_EQ("QAlign", copy.info->typeName);

    RecordCopy nulls = CopyPropInfo(QPropInfo{pkString, nullptr, nullptr, nullptr, nullptr}, ReadTestText);
    ASSERT_TRUE(nulls.info);
    EXPECT_FALSE(nulls.info->typeName || nulls.info->items || nulls.info->value || nulls.info->editor);
}

TEST(CopyPropInfo, BadRecordsNameTheirProblem) {
    char text[] = "t";
    RecordCopy unknownKind = CopyPropInfo(QPropInfo{42, text, text, text, text}, ReadTestText);
    EXPECT_FALSE(unknownKind.info);
    EXPECT_EQ("kind 42 is not a property kind", unknownKind.problem);

    const char* fields[] = {"type name", "items", "value", "editor"};
    for (int wild = 0; wild < 4; ++wild) {
        char* texts[4] = {text, text, text, text};
        texts[wild] = kUnreadable;
        RecordCopy copy = CopyPropInfo(QPropInfo{pkInteger, texts[0], texts[1], texts[2], texts[3]}, ReadTestText);
        EXPECT_FALSE(copy.info);
        EXPECT_EQ(std::string("its ") + fields[wild] + " field does not hold a readable text", copy.problem);
    }
}

}  // namespace
}  // namespace tavrin
