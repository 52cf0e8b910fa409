// The registry of live objects and object addresses read from value texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "packlib/core/object.h"
#include "packlib/core/property_access.h"
#include "packlib/core/registry.h"

namespace {

using velpack::LiveObjectAt;
using velpack::LiveObjectOf;

class Kind1 : public QObject {};
class Kind2 : public QObject {};
class Kind1Child : public Kind1 {};

std::uintptr_t AddressOf(const void* object) { return reinterpret_cast<std::uintptr_t>(object); }

TEST(Registry, ObjectsAreLiveFromConstructorToDestructor) {
    auto object = std::make_unique<Kind1>();
    std::uintptr_t address = AddressOf(object.get());
    EXPECT_EQ(object.get(), LiveObjectAt(address));
    object.reset();
    EXPECT_EQ(nullptr, LiveObjectAt(address));
}

TEST(Registry, CopiesAreObjectsOfTheirOwn) {
    Kind1 first;
    first.Tag = 5;
    Kind1 copy(first);
    EXPECT_EQ(5, copy.Tag);
    EXPECT_EQ(&copy, LiveObjectAt(AddressOf(&copy)));
    EXPECT_EQ(&first, LiveObjectAt(AddressOf(&first)));
}

TEST(Registry, LookupChecksTheClass) {
    Kind1 one;
    Kind2 two;
    Kind1Child child;
    EXPECT_EQ(&one, LiveObjectOf<Kind1>(AddressOf(&one)));
    EXPECT_EQ(nullptr, LiveObjectOf<Kind2>(AddressOf(&one)));
    EXPECT_EQ(&child, LiveObjectOf<Kind1>(AddressOf(&child)));
    EXPECT_EQ(nullptr, LiveObjectOf<Kind1Child>(AddressOf(&one)));
    EXPECT_EQ(&two, LiveObjectOf<QObject>(AddressOf(&two)));
}

TEST(Registry, AddressesThatStartNoObjectAreNotLive) {
    Kind1 one;
    int plain = 0;
    EXPECT_EQ(nullptr, LiveObjectAt(0));
    EXPECT_EQ(nullptr, LiveObjectAt(AddressOf(&one) + 4));
    EXPECT_EQ(nullptr, LiveObjectAt(AddressOf(&plain)));
    EXPECT_EQ(nullptr, LiveObjectAt(UINTPTR_MAX));
    EXPECT_FALSE(velpack::IsLiveObject<QObject>(nullptr));
    EXPECT_TRUE(velpack::IsLiveObject(&one));
}

TEST(Registry, ObjectTextsGiveNullForZeroAndRefuseAnythingElseThatIsNoLiveObject) {
    std::string dead;
    {
        Kind1 ended;
        dead = std::to_string(AddressOf(&ended));
    }
    Kind1* found = nullptr;
    EXPECT_FALSE(velpack::ObjectFromText(dead.c_str(), found));
    EXPECT_EQ(nullptr, found);
    for (const char* text : {"12345678", "-1", "2147483648", "1e308", "&HFFFFFFFF"}) {
        EXPECT_FALSE(velpack::ObjectFromText(text, found)) << text;
    }
    EXPECT_TRUE(velpack::ObjectFromText("0", found));
    EXPECT_EQ(nullptr, found);
    EXPECT_TRUE(velpack::ObjectFromText("", found));  // reads as 0
}

}  // namespace
