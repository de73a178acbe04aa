// Tests of the modal dialogs, driven from a second thread by control id while they run: the
// input dialog, radio groups out of screen order, and the preference dialog over a store.
#include "boxWatcher.h"
#include "casePath.h"
#include "inputDlg.h"
#include "prefDlg.h"
#include "testApp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string textOf(HWND dialog, int id) {
    char buffer[1000] = "";
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

void click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

class InputDialog : public ::testing::Test {
protected:
    void SetUp() override { testApp(); }
};

TEST_F(InputDialog, OkTakesTheEditedText) {
    str folder("C:\\Program Files\\Brisk Download");
    inputDlg dlg(nullptr);
    dlg.caption = "Brisk Download";
    dlg.prompt = "Install Brisk Download in the following folder:";
    dlg.text = &folder;
    std::string promptSeen, editSeen;
    captionRecorder captions;
    bool inFront = false;
    windowDriver driver("BorDlg", "Brisk Download", [&](HWND w) {
        inFront = captionRecorder::inFront(w); // without a parent, as the installer shows it
        promptSeen = textOf(w, 4091);
        editSeen = textOf(w, 4090);
        SetDlgItemTextA(w, 4090, "D:\\Tools");
        click(w, IDOK);
    });
    EXPECT_EQ(dlg.Execute(), IDOK);
    driver.join();
    EXPECT_EQ(promptSeen, "Install Brisk Download in the following folder:");
    EXPECT_EQ(editSeen, "C:\\Program Files\\Brisk Download");
    EXPECT_STREQ(folder, "D:\\Tools");
    EXPECT_TRUE(inFront);
}

TEST_F(InputDialog, CancelAndCloseKeepTheText) {
    str folder("C:\\kept");
    for (int how : {IDCANCEL, 0}) {
        inputDlg dlg(nullptr);
        dlg.caption = "Ask";
        dlg.text = &folder;
        windowDriver driver("BorDlg", "Ask", [&](HWND w) {
            SetDlgItemTextA(w, 4090, "changed");
            if (how)
                click(w, how);
            else
                PostMessageA(w, WM_CLOSE, 0, 0); // the window's close box
        });
        EXPECT_EQ(dlg.Execute(), IDCANCEL);
        EXPECT_STREQ(folder, "C:\\kept");
    }
}

TEST_F(InputDialog, EmptyFieldsAndEmptyAnswer) {
    str answer("");
    inputDlg dlg(nullptr);
    dlg.text = &answer;
    std::string title = "x", prompt = "x", edit = "x";
    windowDriver driver("BorDlg", "", [&](HWND w) {
        prompt = textOf(w, 4091);
        edit = textOf(w, 4090);
        char t[100] = "x";
        GetWindowTextA(w, t, sizeof t);
        title = t;
        click(w, IDOK);
    });
    EXPECT_EQ(dlg.Execute(), IDOK);
    driver.join();
    EXPECT_EQ(title + prompt + edit, "");
    EXPECT_FALSE(answer.isNull());
    EXPECT_STREQ(answer, "");
}

TEST_F(InputDialog, LongTextReadsBackWhole) {
    str answer("");
    inputDlg dlg(nullptr);
    dlg.caption = "Long";
    dlg.text = &answer;
    std::string typed(600, 'p');
    windowDriver driver("BorDlg", "Long", [&](HWND w) {
        SetDlgItemTextA(w, 4090, typed.c_str());
        click(w, IDOK);
    });
    EXPECT_EQ(dlg.Execute(), IDOK);
    EXPECT_EQ(std::string(answer), typed);
}

// The preference dialog over a store whose file is in a temporary folder.
class PrefDialog : public ::testing::Test {
protected:
    prefItem items[5] = {
        prefItem(0, "Download folder", "C:\\downloaded files", 80),
        prefItem(2, "After download", 88, 1, 3),
        prefItem(4, "Confirm", 84, 0, 1),
        prefItem(1012, "Pos", "0.1 0.1 0.5 0.5", -1),
        prefItem(7, "Not in the template", "n", 99),
    };
    pref store{testApp(), items, 5, "Brisk Download", "Briskdl"};
    std::string file;

    void SetUp() override {
        file = casePath("kvprefdlg_") + ".ini";
        DeleteFileA(file.c_str());
        store.fileName = file.c_str();
    }
    void TearDown() override { DeleteFileA(file.c_str()); }

    int run(std::function<void(HWND)> drive) {
        prefDlg dlg(nullptr, "prefTest", &store);
        windowDriver driver("BorDlg", "Preference test", drive);
        int result = (int)dlg.Execute();
        driver.join();
        EXPECT_TRUE(driver.found);
        return result;
    }
    int dirtyCount() {
        int n = 0;
        for (prefItem& i : items)
            n += i.dirty;
        return n;
    }
};

TEST_F(PrefDialog, OpensWithValuesInForce) {
    WritePrivateProfileStringA("Brisk Download", "After download", "2", file.c_str());
    std::string edit;
    int second = -1, third = -1;
    EXPECT_EQ(run([&](HWND w) {
                  edit = textOf(w, 80);
                  second = IsDlgButtonChecked(w, 89);
                  third = IsDlgButtonChecked(w, 90);
                  click(w, IDOK);
              }),
              IDOK);
    EXPECT_EQ(edit, "C:\\downloaded files");
    EXPECT_EQ(second, BST_UNCHECKED);
    EXPECT_EQ(third, BST_CHECKED); // value 2 checks the third id, shown second on screen
    EXPECT_EQ(dirtyCount(), 0);    // OK without changes leaves every item clean
    EXPECT_TRUE(store.saveAll());
    char buffer[10] = "";
    EXPECT_EQ(GetPrivateProfileStringA("Brisk Download", "Download folder", "", buffer, 10, file.c_str()),
              0u);
}

TEST_F(PrefDialog, OkMarksOnlyChangedItems) {
    run([&](HWND w) {
        SetDlgItemTextA(w, 80, "D:\\downloads");
        click(w, IDOK);
    });
    EXPECT_EQ(items[0].dirty, 1);
    EXPECT_EQ(dirtyCount(), 1);
    EXPECT_STREQ(items[4].value, "n"); // its control is missing: untouched
}

TEST_F(PrefDialog, LongValueSurvivesOk) {
    std::string longValue(5000, 'f');
    ASSERT_TRUE(
        WritePrivateProfileStringA("Brisk Download", "Download folder", longValue.c_str(), file.c_str()));
    run([&](HWND w) { click(w, IDOK); });
    EXPECT_EQ(dirtyCount(), 0); // read whole and shown whole: nothing changed
    EXPECT_TRUE(store.saveAll());
    char back[6000] = "";
    GetPrivateProfileStringA("Brisk Download", "Download folder", "", back, sizeof back, file.c_str());
    EXPECT_EQ(std::string(back), longValue);
}

TEST_F(PrefDialog, SecondButtonOnScreenStoresTwo) {
    run([&](HWND w) {
        click(w, 90); // "Third" by id, shown second
        click(w, 84);
        click(w, IDOK);
    });
    EXPECT_STREQ(items[1].value, "2");
    EXPECT_STREQ(items[2].value, "1");
}

TEST_F(PrefDialog, CancelChangesNothing) {
    EXPECT_EQ(run([&](HWND w) {
                  SetDlgItemTextA(w, 80, "D:\\changed");
                  click(w, 88);
                  click(w, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(dirtyCount(), 0);
    EXPECT_STREQ(items[0].value, "C:\\downloaded files");
    EXPECT_STREQ(items[1].value, "1");
}

TEST_F(PrefDialog, ResetAsksFirst) {
    items[0].setText("D:\\mine");
    items[0].writeProfile();
    std::string question, afterNo, afterYes;
    int radioAfterYes = -1;
    run([&](HWND w) {
        {
            boxWatcher no("Preferences", IDNO);
            PostMessageA(w, WM_COMMAND, prefDlg::resetCommand, 0);
            question = no.text();
        }
        afterNo = textOf(w, 80);
        {
            boxWatcher yes("Preferences", IDYES);
            PostMessageA(w, WM_COMMAND, prefDlg::resetCommand, 0);
            yes.text();
        }
        for (DWORD start = GetTickCount(); textOf(w, 80) == "D:\\mine" && GetTickCount() - start < 5000;)
            Sleep(10);
        afterYes = textOf(w, 80);
        radioAfterYes = IsDlgButtonChecked(w, 89);
        click(w, IDCANCEL);
    });
    EXPECT_EQ(question,
              "All Preferences (including print settings) will be reset to factory defaults.\nProceed?");
    EXPECT_EQ(afterNo, "D:\\mine");
    EXPECT_EQ(afterYes, "C:\\downloaded files");
    EXPECT_EQ(radioAfterYes, BST_CHECKED);
    EXPECT_EQ(dirtyCount(), 5); // the reset stands even after Cancel
}

// Without a store the dialog opens and closes, moves nothing and does not ask about a reset.
TEST(PrefDialogWithoutStore, OpensClosesAndAsksNothing) {
    testApp();
    prefDlg dlg(nullptr, "prefTest", nullptr);
    bool answered = false;
    windowDriver driver("BorDlg", "Preference test", [&](HWND w) {
        DWORD_PTR result;
        answered =
            SendMessageTimeoutA(w, WM_COMMAND, prefDlg::resetCommand, 0, SMTO_NORMAL, 5000, &result) != 0;
        if (HWND box = waitForWindow("#32770", "Preferences", 0)) // a question nobody should have had
            pressButton(box, IDNO);
        click(w, IDOK);
    });
    EXPECT_EQ(dlg.Execute(), IDOK);
    driver.join();
    EXPECT_TRUE(driver.found);
    EXPECT_TRUE(answered); // at once: no question stood in the way
}

TEST(DialogOps, RadioGroupOutOfScreenOrderAndOwnerSlot) {
    testApp();
    winDlg dlg(nullptr, "prefTest");
    void* slot = &dlg;
    dlg.ownerSlot = &slot;
    int index = -2, none = -2, afterSet = -2;
    bool lastShownChecked = false;
    windowDriver driver("BorDlg", "Preference test", [&](HWND w) {
        none = dlg.CheckedIndex(88, 3);
        click(w, 90); // shown second
        index = dlg.CheckedIndex(88, 3);
        dlg.SetRadio(88, 3, 1);
        lastShownChecked = IsDlgButtonChecked(w, 89) == BST_CHECKED;
        int v = 0;
        dlg.TransferRadio(88, 3, v, 1);
        afterSet = v;
        for (int outside : {INT_MAX, 3, -1}) { // from a hand-edited file: the group is left clear
            dlg.SetRadio(88, 3, 0);
            dlg.SetRadio(88, 3, outside);
            EXPECT_EQ(dlg.CheckedIndex(88, 3), -1) << outside;
        }
        dlg.SetCheck(84, 1);
        int c = 0;
        dlg.TransferCheck(84, c, 1);
        EXPECT_EQ(c, 1);
        EXPECT_EQ(dlg.Item(99), nullptr);
        click(w, IDCANCEL);
    });
    EXPECT_EQ(dlg.Execute(), IDCANCEL);
    driver.join();
    EXPECT_EQ(none, -1);
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(lastShownChecked);
    EXPECT_EQ(afterSet, 1);
    EXPECT_EQ(slot, nullptr);
    slot = &dlg;
    dlg.Destroy(IDCANCEL); // a second destroy leaves the owner's cell alone
    EXPECT_EQ(slot, &dlg);
}

} // namespace
