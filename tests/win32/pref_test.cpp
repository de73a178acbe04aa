// Tests of the preference store on real profile files: when values are read, when they reach the
// file, and what a failed write leaves.
#include "casePath.h"
#include "pref"
#include "testApp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>

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
    // Set before a read that finds no such key (the installation's taken-over scanner before the
    // Options dialog reads it): the read must not take the value for what the file holds, or it
    // never reaches the file.
    prefItem* folderItem = store.findItem(0);
    ASSERT_TRUE(folderItem->setText("C:\\AV\\scan.exe"));
    EXPECT_STREQ(folderItem->getText(), "C:\\AV\\scan.exe");
    EXPECT_TRUE(store.saveAll());
    EXPECT_EQ(contents(), "[Brisk Download]\r\nConfirm=1\r\nDownload folder=C:\\AV\\scan.exe\r\n");
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
        if (c != '\r' && c != '\n') binary += (char)c;
    binary = "x" + binary + "x"; // the reader strips blanks at the ends
    put("Pos", binary.c_str());
    EXPECT_EQ(std::string(store.findItem(1012)->getText()), binary);
}

// The profile reading takes one pair of enclosing quotes and the blanks at the ends away: such a
// value goes into the file inside one more pair of double quotes, any other as it stands.
TEST_F(Store, ValuesReadBackAsWritten) {
    const std::pair<const char*, const char*> written[] = {
        {"\"C:\\Program Files\\AV\\scan.exe\"", "\"\"C:\\Program Files\\AV\\scan.exe\"\""},
        {"  padded  ", "\"  padded  \""},
        {"'single'", "\"'single'\""},
        {"\"", "\"\"\""},
        {"\"\"", "\"\"\"\""},
        {"\"open", "\"\"open\""},
        {" ", "\" \""},
        {"\tx\t", "\"\tx\t\""},
        {"\vform\f\x1a", "\"\vform\f\x1a\""},
        {"a \"b\" c", "a \"b\" c"},
        {"C:\\plain", "C:\\plain"},
        {"", ""},
    };
    for (const auto& value : written) {
        prefItem* pos = store.findItem(1012);
        pos->getText();
        ASSERT_TRUE(pos->setText(value.first));
        ASSERT_TRUE(store.saveAll());
        EXPECT_EQ(contents(), std::string("[Brisk Download]\r\nPos=") + value.second + "\r\n") << value.first;
        prefItem again(1012, "Pos", "(default)", -1);
        pref reader(testApp(), &again, 1, "Brisk Download", "Briskdl");
        reader.fileName = file.c_str();
        EXPECT_EQ(std::string(again.getText()), value.first);
        DeleteFileA(file.c_str());
        pos->unread = 1;
    }
    // A value that fills the first read buffer with its extra pair of quotes comes back whole.
    for (int length : {998, 999, 1000}) {
        std::string longValue = "'" + std::string(length - 1, 'v');
        prefItem* pos = store.findItem(1012);
        ASSERT_TRUE(pos->setText(longValue.c_str()));
        ASSERT_TRUE(store.saveAll());
        prefItem again(1012, "Pos", "", -1);
        pref reader(testApp(), &again, 1, "Brisk Download", "Briskdl");
        reader.fileName = file.c_str();
        EXPECT_EQ(std::string(again.getText()), longValue) << length;
        DeleteFileA(file.c_str());
        pos->unread = 1;
    }

    // Hand-edited values and those of earlier versions read as they always have.
    const char handEdited[] = "[Brisk Download]\r\nAnti-virus scanner=\"C:\\Program Files\\AV\\scan.exe\"\r\n"
                              "Download folder=  D:\\padded  \r\n";
    std::ofstream(file, std::ios::binary) << handEdited;
    prefItem old[2] = {prefItem(3, "Anti-virus scanner", "", 82), prefItem(0, "Download folder", "", 80)};
    pref reader(testApp(), old, 2, "Brisk Download", "Briskdl");
    reader.fileName = file.c_str();
    EXPECT_STREQ(old[0].getText(), "C:\\Program Files\\AV\\scan.exe");
    EXPECT_STREQ(old[1].getText(), "D:\\padded");
    EXPECT_TRUE(reader.saveAll());
    EXPECT_EQ(contents(), handEdited); // unchanged, so not rewritten
}

// A line break would end the line in the file, and what follows would become keys and sections of
// its own. Such a value is refused by setText, and by the save when it came from a control.
TEST_F(Store, ValuesWithLineBreaksAreRefused) {
    prefItem* folderItem = store.findItem(0);
    folderItem->getText();
    for (const char* broken : {"line1\r\n[Other]\r\nkey=v", "a\nb", "a\r", "\n"}) {
        EXPECT_FALSE(folderItem->setText(broken));
        EXPECT_STREQ(folderItem->value, "C:\\downloaded files");
        EXPECT_EQ(folderItem->dirty, 0);
    }
    folderItem->value = "line1\r\n[Other]\r\nkey=v"; // as fromControl leaves it
    folderItem->assigned = folderItem->dirty = 1;
    store.findItem(2)->setInt(2);
    EXPECT_FALSE(store.saveAll());
    EXPECT_EQ(store.notSaved, folderItem);
    EXPECT_EQ(folderItem->dirty, 1);
    EXPECT_EQ(contents(), "[Brisk Download]\r\nAfter download=2\r\n"); // the others are saved
    folderItem->setText("D:\\again");
    EXPECT_TRUE(store.saveAll());
    EXPECT_EQ(store.notSaved, nullptr);
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
    EXPECT_EQ(store.notSaved, folderItem);
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
