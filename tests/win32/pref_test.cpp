// Tests of the preference store on real profile files: when values are read, when they reach the
// file, and what a failed write leaves.
#include "casePath.h"
#include "pref"
#include "testApp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

class Store : public ::testing::Test {
protected:
    std::string folder, file;
    prefItem items[4] = {
        prefItem(0, "Download folder", "C:\\downloaded files", 80),
        prefItem(2, "After download", 88, 1, 3),
        prefItem(4, "Confirm", 84, 0, 1),
        prefItem(1012, "Pos", "", -1),
    };
    pref store{testApp(), items, 4, "Brisk Download", "Briskdl"};

    void SetUp() override {
        folder = casePath("kvpref_");
        CreateDirectoryA(folder.c_str(), nullptr);
        file = folder + "\\Briskdl.ini";
        DeleteFileA(file.c_str());
        store.fileName = file.c_str();
    }
    void TearDown() override {
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(file.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    bool exists() { return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES; }
    std::string contents() {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void put(const char* key, const char* value) {
        ASSERT_TRUE(WritePrivateProfileStringA("Brisk Download", key, value, file.c_str()));
    }
};

TEST_F(Store, FirstRunReadsDefaultsAndCreatesNoFile) {
    EXPECT_STREQ(store.findItem(0)->getText(), "C:\\downloaded files");
    EXPECT_EQ(store.findItem(2)->getInt(), 1);
    EXPECT_EQ(store.findItem(4)->getInt(), 0);
    EXPECT_TRUE(store.saveAll());
    EXPECT_FALSE(exists());
    EXPECT_EQ(store.findItem(3), nullptr);
    EXPECT_TRUE(store.hasItem(1012));
    EXPECT_FALSE(store.hasItem(1));
}

TEST_F(Store, OnlyChangedItemsReachTheFile) {
    prefItem* folderItem = store.findItem(0);
    folderItem->getText();
    folderItem->setText("D:\\incoming");
    EXPECT_EQ(folderItem->dirty, 1);
    EXPECT_TRUE(store.saveAll());
    EXPECT_EQ(contents(), "[Brisk Download]\r\nDownload folder=D:\\incoming\r\n");
    EXPECT_EQ(folderItem->dirty, 0);
    EXPECT_STREQ(folderItem->stored, "D:\\incoming");
}

TEST_F(Store, StateMachine) {
    put("After download", "2");
    prefItem* choice = store.findItem(2);
    EXPECT_EQ(choice->unread, 1);
    EXPECT_EQ(choice->getInt(), 2); // read: value and stored from the file
    EXPECT_EQ(choice->unread, 0);
    EXPECT_EQ(choice->assigned, 0);

    prefItem* folderItem = store.findItem(0);
    put("Download folder", "E:\\from file");
    folderItem->setText("F:\\set first");
    folderItem->readProfile(); // set before it was read: the read keeps the value
    EXPECT_STREQ(folderItem->value, "F:\\set first");
    EXPECT_STREQ(folderItem->stored, "E:\\from file");
    folderItem->revert();
    EXPECT_STREQ(folderItem->value, "E:\\from file");

    folderItem->setText("E:\\from file"); // equal to what the file holds, after a read
    DeleteFileA(file.c_str());
    EXPECT_TRUE(store.saveAll());
    EXPECT_FALSE(exists()); // nothing was written
}

TEST_F(Store, UnreadItemIsWrittenEvenWhenEqual) {
    put("Confirm", "1");
    prefItem* check = store.findItem(4);
    check->setInt(1); // no read before the save: the comparison is skipped
    DeleteFileA(file.c_str());
    EXPECT_TRUE(store.saveAll());
    EXPECT_EQ(contents(), "[Brisk Download]\r\nConfirm=1\r\n");
}

TEST_F(Store, ConversionsAndReset) {
    prefItem* pos = store.findItem(1012);
    pos->setText("  12abc");
    EXPECT_EQ(pos->getInt(), 12);
    EXPECT_EQ(pos->getLong(), 12);
    pos->setDouble(0.25);
    EXPECT_STREQ(pos->value, "0.25");
    EXPECT_EQ(pos->getDouble(), 0.25);
    pos->setLong(-7);
    EXPECT_STREQ(pos->value, "-7");
    pos->setText("x");
    EXPECT_EQ(pos->getInt(), 0);
    pos->setText("4294967296"); // 2^32, from a hand-edited file: the end of the range, not 0
    EXPECT_EQ(pos->getInt(), INT_MAX);
    EXPECT_EQ(pos->getLong(), LONG_MAX);
    pos->setText("-4294967296");
    EXPECT_EQ(pos->getInt(), INT_MIN);
    pos->resetToDefault();
    EXPECT_STREQ(pos->value, "");
    EXPECT_EQ(pos->dirty, 1);
}

TEST_F(Store, LongAndBinaryValuesAreReadWhole) {
    std::string longValue(5000, 'v');
    put("Download folder", longValue.c_str());
    EXPECT_EQ(std::string(store.findItem(0)->getText()), longValue);
    EXPECT_TRUE(store.saveAll());
    EXPECT_NE(contents().find(longValue), std::string::npos); // unchanged, so not rewritten

    // Bytes of every value but 0, CR and LF come back as they stand.
    std::string binary;
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n')
            binary += (char)c;
    binary = "x" + binary + "x"; // the reader strips blanks at the ends
    put("Pos", binary.c_str());
    EXPECT_EQ(std::string(store.findItem(1012)->getText()), binary);
}

TEST_F(Store, FileWithoutSectionHeaderGivesDefaults) {
    {
        std::ofstream out(file, std::ios::binary);
        out << "Download folder=C:\\elsewhere\r\nAfter download=2\r\n";
    }
    EXPECT_STREQ(store.findItem(0)->getText(), "C:\\downloaded files");
    EXPECT_EQ(store.findItem(2)->getInt(), 1);
    store.findItem(2)->setInt(0);
    EXPECT_TRUE(store.saveAll()); // the section is added; the lines before it stay
    EXPECT_NE(contents().find("Download folder=C:\\elsewhere"), std::string::npos);
    EXPECT_NE(contents().find("[Brisk Download]"), std::string::npos);
}

TEST_F(Store, FailedWriteKeepsTheChange) {
    store.fileName = (folder + "\\missing folder\\Briskdl.ini").c_str(); // never created by a write
    prefItem* folderItem = store.findItem(0);
    folderItem->setText("G:\\kept");
    EXPECT_FALSE(store.saveAll());
    EXPECT_EQ(folderItem->dirty, 1);
    EXPECT_EQ(folderItem->assigned, 1);
    EXPECT_STREQ(folderItem->value, "G:\\kept");
    EXPECT_TRUE(folderItem->stored.isNull());

    store.fileName = file.c_str(); // once the file can be written, the change arrives
    EXPECT_TRUE(store.saveAll());
    EXPECT_EQ(contents(), "[Brisk Download]\r\nDownload folder=G:\\kept\r\n");
}

TEST(StoreName, SectionWithoutBaseName) {
    prefItem item(1, "k", "v", -1);
    pref store(testApp(), &item, 1, "My Tool Settings");
    EXPECT_STREQ(store.section, "MyToolSettings");
    EXPECT_EQ(std::string(store.fileName), std::string(testApp().appFolder()) + "\\MyToolSe.ini");
    EXPECT_EQ(item.owner, &store);
    pref named(testApp(), &item, 1, "Brisk Download", "Briskdl");
    EXPECT_STREQ(named.section, "Brisk Download");
    EXPECT_EQ(std::string(named.fileName), std::string(testApp().appFolder()) + "\\Briskdl.ini");
    pref shortName(testApp(), &item, 1, "Tool");
    EXPECT_EQ(std::string(shortName.fileName), std::string(testApp().appFolder()) + "\\Tool.ini");
}

} // namespace
