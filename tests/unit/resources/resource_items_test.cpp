#include "resources/resource_items.h"

#include <gtest/gtest.h>

#include "resources/resource_script.h"
#include "resources/resource_types.h"
#include "support/temp_folder.h"

namespace tavrin {
namespace {

TEST(ResourceItems, AFileGetsTheTypeOfItsExtensionItsNameAndItsScriptLine) {
    test::TempFolder folder;
    std::string bitmap = folder.Write("logo.bmp", "BM");
    ResourceItems items;
    const TResourcesItem& item = *items.AddResource(bitmap, nullptr, rtRCData).item;
    EXPECT_EQ(item.ResType, rtBitmap);
    EXPECT_EQ(item.Name, "logo");
    EXPECT_EQ(ResourceImageOf(item.ResType), imagePicture);
    std::vector<ScriptLine> script = GenerateScript(items);
    ASSERT_EQ(script.size(), 1u);
    EXPECT_EQ(script[0].text, "logo BITMAP " + ResourceString(bitmap)) << "the path as a quoted resource string";
    EXPECT_EQ(script[0].item, &item);
}

TEST(ResourceItems, ExtensionsCompareWithoutLetterCase) {
    ResourceItems items;
    EXPECT_EQ(items.AddResource("C:\\art\\LOGO.BMP", nullptr, rtRCData).item->ResType, rtBitmap);
    EXPECT_EQ(items.AddResource("Hand.Cur", nullptr, rtRCData).item->ResType, rtCursor);
    EXPECT_EQ(items.AddResource("page.HTML", nullptr, rtRCData).item->ResType, rtHtml);
}

TEST(ResourceItems, AManifestWritesNothingAndRawDataCopiesTheFileText) {
    test::TempFolder folder;
    ResourceItems items;
    const TResourcesItem& manifest = *items.AddResource(folder.Write("app.xp", "<assembly/>"), nullptr, 10).item;
    EXPECT_EQ(manifest.ResType, rtManifest);
    EXPECT_EQ(ResourceTypeName(manifest.ResType), "MANIFEST");
    EXPECT_TRUE(GenerateScript(items).empty());

    std::string notes = folder.Write("notes.txt", "\r\n  NOTES RCDATA\r\nBEGIN\n  \"a b\"\r\nEND\r\n\r\n");
    const TResourcesItem& data = *items.AddResource(notes, nullptr, rtDialog).item;
    EXPECT_EQ(data.ResType, rtRCData) << "an unknown extension is raw data, whatever the default";
    std::vector<ScriptLine> script = GenerateScript(items);
    ASSERT_EQ(script.size(), 4u) << "trimmed at both ends, split into lines";
    EXPECT_EQ(script[0].text, "NOTES RCDATA");
    EXPECT_EQ(script[2].text, "  \"a b\"");
    EXPECT_EQ(script[3].text, "END");
    for (const ScriptLine& line : script) EXPECT_EQ(line.item, &data);
    EXPECT_EQ(ScriptText(script), "NOTES RCDATA\r\nBEGIN\r\n  \"a b\"\r\nEND\r\n");
}

TEST(ResourceItems, ANameWithoutExtensionTakesTheDefaultTypeAndIsItsOwnData) {
    ResourceItems items;
    const TResourcesItem& item = *items.AddResource("Dialog1", nullptr, rtDialog).item;
    EXPECT_EQ(item.ResType, rtDialog);
    EXPECT_EQ(item.Data, "Dialog1");
    EXPECT_TRUE(GenerateScript(items).empty()) << "a DIALOG item without a dialog writes nothing";
}

TEST(ResourceItems, EachFileOrDialogIsKeptOnceAndCanBeRemoved) {
    ResourceItems items;
    int dialog = 0;
    ResourceItems::Added first = items.AddResource("a.ico", nullptr, 10);
    EXPECT_TRUE(first.isNew);
    EXPECT_FALSE(items.AddResource("A.ICO", nullptr, 10).isNew);
    EXPECT_TRUE(items.AddResource("a.ico", &dialog, 10).isNew) << "another dialog is another item";
    EXPECT_EQ(items.Items().size(), 2u);
    items.Remove(first.item);
    ASSERT_EQ(items.Items().size(), 1u);
    EXPECT_EQ(items.Items()[0]->Control, &dialog);
}

TEST(ResourceTypes, NamesMapBothWaysAndUnknownNumbersHaveTheirOwnName) {
    for (const std::string& name : ResourceKindNames()) EXPECT_EQ(ResourceTypeName(ResourceTypeOfName(name)), name);
    EXPECT_EQ(ResourceKindNames().size(), 21u);
    EXPECT_EQ(ResourceTypeOfName("bitmap"), 0) << "type names compare exactly";
    EXPECT_EQ(ResourceTypeName(13), "UNKNOWN");
    EXPECT_EQ(ResourceImageOf(13), imageOther);
    EXPECT_EQ(ResourceImageOf(rtDialog), imageDialog);
}

TEST(ResourceScript, PathsAndTextsAreWrittenAsResourceStrings) {
    EXPECT_EQ(ResourceString("C:\\new\\logo.bmp"), "\"C:\\\\new\\\\logo.bmp\"");
    EXPECT_EQ(ResourceString("say \"hi\""), "\"say \"\"hi\"\"\"");
    ResourceItems items;
    items.AddResource("C:\\new\\app.ico", nullptr, 10);
    EXPECT_EQ(GenerateScript(items).at(0).text, "app ICON \"C:\\\\new\\\\app.ico\"");
}

}  // namespace
}  // namespace tavrin
