// Tests of the library's windows on real windows: the position restored from and saved to its
// item, the move and size rule, the default start and run, the children that follow their
// parent, the automatic tiling and the close check.
#include "boxWatcher.h"
#include "mdiClientWin.h"
#include "mdiMainWin.h"
#include "mdiWin.h"
#include "normWin.h"
#include "winPosition.h"
#include "windowApp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

int screenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int screenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

RECT rectOf(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return r;
}

// A plain window that may be told not to move or not to change its size.
class fixedWin : public normWin {
public:
    fixedWin(const char* title, winX* parent = nullptr) : normWin(nullptr, title, parent) {}
    bool mayMove() override { return movable; }
    bool maySize() override { return sizable; }
    bool movable = true, sizable = true;
};

// A window whose memory is filled with a pattern when it is deleted and never given back: a use
// of the object after its end reads the pattern, and a virtual call through it faults, where a
// freed block may still hold what was there.
// Its delete never gives the block back on purpose, which g++ may take for a mismatch.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
template <class W> class poisoned : public W {
public:
    using W::W;
    static void operator delete(void* p, size_t n) { memset(p, 0xDD, n); }
};

// A window whose handlers close it: an Exit command that leaves the command to the default
// handling too, and a size change to minimised.
class closingWin : public normWin {
public:
    closingWin() : normWin(nullptr, "Closing") {}
    enum { exitCommand = 300 };
    bool EvCommand(int id) override {
        if (id == exitCommand) CloseWindow();
        return false;
    }
    void EvSize(UINT type, int width, int height) override {
        normWin::EvSize(type, width, height);
        if (type == SIZE_MINIMIZED) CloseWindow();
    }
    // A close check that runs a loop in which the window goes (the user answered elsewhere).
    bool CanClose() override {
        if (goesWhileAsked) DestroyWindow(HWindow);
        return true;
    }
    bool goesWhileAsked = false;
};

// A child of the multiple-document window that may refuse to close.
class refusingChild : public mdiWin {
public:
    refusingChild(TMDIFrame* frame) : mdiWin(frame, "Document") {}
    bool CanClose() override { return mayClose; }
    bool mayClose = false;
};

class Windows : public ::testing::Test {
protected:
    windowApp* app = nullptr;
    void SetUp() override { app = new windowApp; }
    void TearDown() override {
        delete app; // and its main window, if one is left
        mdiWin::tilePending = 0;
    }
    // The text that the window would save at its place on this screen.
    std::string saveText(int x, int y, int w, int h, bool maximised) {
        return std::string(PositionText(winPlace{x, y, w, h}, maximised, screenWidth(), screenHeight()));
    }
    std::string posText() { return std::string(app->store.findItem(1012)->getText()); }
};

TEST_F(Windows, PositionIsRestoredSavedAndFollowsTheWindow) {
    int before = winX::live;
    app->store.findItem(1012)->setText("0.1 0.1 0.333 0.5 0");
    normWin* w = new normWin(nullptr, "Placed");
    EXPECT_EQ(winX::live, before + 1);
    w->bindPosition(1012);
    winPlace expected = PositionFromText("0.1 0.1 0.333 0.5", screenWidth(), screenHeight());
    EXPECT_EQ(w->Attr.X, expected.left);
    EXPECT_EQ(w->Attr.H, expected.height);
    ASSERT_TRUE(w->Create());
    RECT r = rectOf(w->HWindow);
    EXPECT_EQ(r.left, expected.left);
    EXPECT_EQ(r.top, expected.top);
    EXPECT_EQ(r.right - r.left, expected.width);
    EXPECT_EQ(r.bottom - r.top, expected.height);

    // The user moves it: the saved text is the new place.
    SetWindowPos(w->HWindow, nullptr, 40, 30, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    winX* slot = w;
    w->clearOnDestroy = &slot;
    DestroyWindow(w->HWindow); // the object ends with its window
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(winX::live, before);
    EXPECT_EQ(posText(), saveText(40, 30, 300, 200, false));
    EXPECT_EQ(app->stored("Pos"), "(none)"); // reaches the file only with saveAll
}

TEST_F(Windows, MaximisedWindowSavesItsNormalPlaceAndFlag) {
    normWin* w = new normWin(nullptr, "Maximised");
    w->bindPosition(1012);
    ASSERT_TRUE(w->Create());
    ShowWindow(w->HWindow, SW_SHOWMAXIMIZED);
    EXPECT_EQ(w->sizeType, SIZE_MAXIMIZED);
    delete w; // an object may also end before its window
    winPlace p = PositionFromText(".25 .25 .5 .5", screenWidth(), screenHeight());
    EXPECT_EQ(posText(), saveText(p.left, p.top, p.width, p.height, true));
}

TEST_F(Windows, WindowWithoutItemSavesNothing) {
    normWin* w = new normWin(nullptr, "Unbound");
    w->bindPosition(77); // not in the store: the creation attributes stay
    EXPECT_EQ(w->Attr.X, (int)CW_USEDEFAULT);
    delete w;
    for (int i = 0; i < app->store.count; ++i)
        EXPECT_EQ(app->store.items[i].dirty, 0) << app->store.items[i].name; // no item took its place
    EXPECT_EQ(posText(), ".25 .25 .5 .5 0");
}

TEST(MoveAndSizeFlags, OnlyWhenPositionsAreRestricted) {
    const UINT f = SWP_NOZORDER;
    EXPECT_EQ(MoveAndSizeFlags(f, true, false, false), f);
    EXPECT_EQ(MoveAndSizeFlags(f, false, true, true), f);
    EXPECT_EQ(MoveAndSizeFlags(f, false, false, true), f | SWP_NOMOVE);
    EXPECT_EQ(MoveAndSizeFlags(f, false, true, false), f | SWP_NOSIZE);
    EXPECT_EQ(MoveAndSizeFlags(f, false, false, false), f | SWP_NOMOVE | SWP_NOSIZE);
}

TEST_F(Windows, WindowThatMayNotMoveKeepsItsPlace) {
    fixedWin* w = new fixedWin("Fixed");
    w->Attr.X = 100, w->Attr.Y = 100, w->Attr.W = 300, w->Attr.H = 200;
    ASSERT_TRUE(w->Create());
    HWND h = w->HWindow;
    app->anyPosition = 0;
    w->movable = false;
    SetWindowPos(h, nullptr, 150, 160, 320, 220, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r = rectOf(h);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.right - r.left, 320); // the size may still change
    w->movable = true, w->sizable = false;
    SetWindowPos(h, nullptr, 150, 160, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    r = rectOf(h);
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.right - r.left, 320);
    app->anyPosition = 1; // any position: the rule is off
    w->movable = false;
    SetWindowPos(h, nullptr, 10, 20, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    r = rectOf(h);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.right - r.left, 400);
    DestroyWindow(h);
}

// The default start with a given position text: the show command it leaves and whether the main
// window is shown maximised.
class MainStart : public Windows, public ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(MainStart, FifthWordDecidesTheMaximisedStart) {
    app->store.findItem(1012)->setText(GetParam().first);
    app->makeMainWindow = [] {
        normWin* w = new normWin(nullptr, "Main");
        w->bindPosition(1012);
        return w;
    };
    app->InitInstance();
    ASSERT_NE(app->MainWindow, nullptr);
    bool maximised = GetParam().second;
    EXPECT_EQ(app->showCommand, maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    EXPECT_EQ(IsZoomed(app->MainWindow->HWindow) != 0, maximised);
    EXPECT_TRUE(IsWindowVisible(app->MainWindow->HWindow));
    EXPECT_EQ(app->HAccTable, nullptr); // no "accCommands" table in these resources
    EXPECT_EQ(app->Status, 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, MainStart,
                         ::testing::Values(std::make_pair(".25 .25 .5 .5 0", false),
                                           std::make_pair(".25 .25 .5 .5 1", true),
                                           std::make_pair(".25 .25 .5 .5", false),
                                           std::make_pair(".25 .25 .5 .5 x", false)));

// A main window that refuses its creation in WM_CREATE. Windows then destroys it through
// WM_DESTROY; Wine sends only WM_NCDESTROY, so the window destroys itself first, as Windows would.
class refusingWin : public normWin {
public:
    refusingWin() : normWin(nullptr, "Refusing") {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_CREATE) return normWin::WindowProc(message, wParam, lParam);
        DestroyWindow(HWindow); // the window ends here; the object is its creator's
        return -1;
    }
};

// A window that goes while it is being set up.
class vanishingWin : public normWin {
public:
    vanishingWin() : normWin(nullptr, "Vanishing") {}
    void SetupWindow() override { DestroyWindow(HWindow); }
};

// No main window, or one whose WM_CREATE gives -1 or that goes while it is set up (it has had
// messages, and goes through WM_DESTROY): the box stays until it is answered, and no quit is
// left for a later loop.
TEST_F(Windows, MainWindowThatCannotBeMadeIsReported) {
    for (int kind : {0, 1, 2}) {
        app->makeMainWindow = [kind]() -> TWindow* {
            return kind == 1 ? (TWindow*)new refusingWin : kind == 2 ? (TWindow*)new vanishingWin : nullptr;
        };
        boxWatcher box("Window Test", IDOK);
        EXPECT_EQ(app->TApplication::Run(), EM_INVALIDMAINWINDOW); // no message loop to wait in
        EXPECT_EQ(box.text(), "Invalid main window") << kind;
        EXPECT_EQ(app->MainWindow, nullptr);
        MSG msg;
        EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    }
    // The other codes the framework may report, and one it never gives.
    const std::pair<int, const char*> reports[] = {
        {EM_INVALIDCHILD, "Invalid child"},
        {EM_INVALIDCLIENT, "Invalid client"},
        {EM_INVALIDMODULE, "Invalid module"},
        {EM_INVALIDWINDOW, "Invalid window"},
        {EM_OUTOFMEMORY, "System Memory Is Low! Please Close One or More Windows."},
        {0, "?"},
        {-7, "?"},
    };
    for (const auto& report : reports) {
        boxWatcher box("Window Test", IDOK);
        app->Error(report.first);
        EXPECT_EQ(box.text(), report.second);
    }
}

// After each handler the object is used only while its window still leads to it. A window
// destroyed while it is being made is never deleted before Create returns: the caller owns it.
TEST_F(Windows, HandlersThatCloseTheirWindowAndRefusedCreations) {
    int before = winX::live;
    for (UINT message : {(UINT)WM_COMMAND, (UINT)WM_SYSCOMMAND}) {
        closingWin* w = new poisoned<closingWin>();
        ASSERT_TRUE(w->Create());
        HWND h = w->HWindow;
        if (message == WM_COMMAND)
            SendMessageA(h, WM_COMMAND, closingWin::exitCommand, 0);
        else
            SendMessageA(h, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_FALSE(IsWindow(h));
    }
    closingWin* asked = new poisoned<closingWin>();
    ASSERT_TRUE(asked->Create());
    asked->goesWhileAsked = true;
    HWND h = asked->HWindow;
    SendMessageA(h, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(winX::live, before);

    refusingWin* refused = new poisoned<refusingWin>();
    EXPECT_FALSE(refused->Create());
    EXPECT_EQ(refused->HWindow, nullptr);
    EXPECT_EQ(winX::live, before + 1); // still there, for the caller to delete
    delete refused;
    EXPECT_EQ(winX::live, before);
}

TEST_F(Windows, RunWithoutTheControlLibraryStopsWithAMessage) {
    boxWatcher box("Window Test", IDOK);
    EXPECT_EQ(app->runWithLibrary("no such controls.dll"), 1);
    EXPECT_EQ(box.text(), "Error 0 loading no such controls.dll library.");
    EXPECT_EQ(app->mainWindowsMade, 0);
}

// The user moves the main window, then closes it; or the loop ends (a WM_QUIT from elsewhere)
// with the window still open, and the run deletes it while the application, whose member the
// store is, still lives. Either way its position reaches the file and the resources go.
TEST_F(Windows, DefaultRunShowsTheMainWindowThenSavesAndReleases) {
    app->makeMainWindow = [] {
        normWin* w = new normWin(nullptr, "Main of the run");
        w->bindPosition(1012);
        return w;
    };
    for (UINT ending : {WM_CLOSE, WM_QUIT}) {
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        app->resources.add(new resrc(brush, resrc::gdiObject));
        int x = ending == WM_CLOSE ? 20 : 30;
        windowDriver user(nullptr, "Main of the run", [&](HWND w) {
            SetWindowPos(w, nullptr, x, 10, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
            PostMessageA(w, ending, 0, 0);
        });
        EXPECT_EQ(app->Run(), 0);
        user.join();
        EXPECT_TRUE(user.found);
        EXPECT_EQ(app->MainWindow, nullptr);
        EXPECT_EQ(app->stored("Pos"), saveText(x, 10, 200, 100, false));
        EXPECT_EQ(GetObjectType(brush), 0u); // released after the loop
        EXPECT_EQ(app->resources.size(), 0);
    }
}

TEST_F(Windows, ChildrenGoWithTheirParent) {
    int before = winX::live;
    normWin* parent = new normWin(nullptr, "Parent");
    normWin* shown = new normWin(nullptr, "Shown child", parent);
    new normWin(nullptr, "Never shown child", parent);
    EXPECT_EQ(parent->children.size(), 2);
    EXPECT_EQ(shown->parent, parent);
    ASSERT_TRUE(parent->Create());
    ASSERT_TRUE(shown->Create());
    HWND shownWindow = shown->HWindow;
    // A child that goes first leaves its parent's list.
    normWin* early = new normWin(nullptr, "Early child", parent);
    delete early;
    EXPECT_EQ(parent->children.size(), 2);
    DestroyWindow(parent->HWindow);
    EXPECT_FALSE(IsWindow(shownWindow));
    EXPECT_EQ(winX::live, before);
}

TEST_F(Windows, MessageBoxOfAWindow) {
    normWin* w = new normWin(nullptr, "Owner");
    ASSERT_TRUE(w->Create());
    HWND owner = nullptr;
    windowDriver box("#32770", "Window Test", [&](HWND b) {
        owner = GetWindow(b, GW_OWNER);
        pressButton(b, IDOK);
    });
    EXPECT_EQ(w->MsgBox("Saved.", 64, ""), IDOK);
    box.join();
    EXPECT_EQ(owner, w->HWindow);
    DestroyWindow(w->HWindow);
}

// A multiple-document main window with one child document.
class Documents : public Windows {
protected:
    mdiMainWin* frame = nullptr;
    void SetUp() override {
        Windows::SetUp();
        app->makeMainWindow = [this] {
            frame = new mdiMainWin("Documents", nullptr);
            frame->bindPosition(1012);
            return frame;
        };
        app->InitInstance();
        ASSERT_NE(frame, nullptr);
        ASSERT_NE(frame->ClientWnd, nullptr);
    }
    bool tileCommandWaiting() {
        MSG msg;
        return PeekMessageA(&msg, frame->HWindow, WM_COMMAND, WM_COMMAND, PM_NOREMOVE) &&
               LOWORD(msg.wParam) == CM_TILECHILDREN;
    }
};

TEST_F(Documents, ChildrenFollowTheMinimisedDocument) {
    mdiWin* doc = new mdiWin(frame, "Report");
    ASSERT_TRUE(doc->Create());
    doc->setTitle("Report (short)");
    normWin* palette = new normWin(nullptr, "Palette", doc);
    normWin* ruler = new normWin(nullptr, "Ruler", doc);
    ASSERT_TRUE(palette->Create());
    ASSERT_TRUE(ruler->Create());
    ShowWindow(palette->HWindow, SW_SHOWNOACTIVATE);
    ShowWindow(ruler->HWindow, SW_SHOWNOACTIVATE);

    ShowWindow(doc->HWindow, SW_MINIMIZE);
    EXPECT_FALSE(IsWindowVisible(palette->HWindow));
    EXPECT_FALSE(IsWindowVisible(ruler->HWindow));
    EXPECT_TRUE(IsIconic(palette->HWindow));
    char caption[100];
    GetWindowTextA(doc->HWindow, caption, sizeof caption);
    EXPECT_STREQ(caption, "Report (short)");

    ShowWindow(doc->HWindow, SW_RESTORE);
    EXPECT_TRUE(IsWindowVisible(palette->HWindow));
    EXPECT_TRUE(IsWindowVisible(ruler->HWindow));
    EXPECT_FALSE(tileCommandWaiting()); // item 1013 is 0
}

TEST_F(Documents, MinimisedDocumentRequestsTilingOnce) {
    app->store.findItem(1013)->setText("1");
    mdiWin* first = new mdiWin(frame, "First");
    mdiWin* second = new mdiWin(frame, "Second");
    ASSERT_TRUE(first->Create());
    ASSERT_TRUE(second->Create());
    ShowWindow(first->HWindow, SW_MINIMIZE);
    EXPECT_EQ(mdiWin::tilePending, 1);
    EXPECT_TRUE(tileCommandWaiting());
    ShowWindow(first->HWindow, SW_RESTORE); // no second request before the tiling
    SendMessageA(frame->ClientWnd->HWindow, WM_MDIACTIVATE, (WPARAM)second->HWindow, 0);
    pumpMessages();
    EXPECT_EQ(mdiWin::tilePending, 0);
    EXPECT_FALSE(tileCommandWaiting());
    EXPECT_EQ(frame->ClientWnd->ActiveChild(), second->HWindow); // active again after tiling
    // Tiled side by side: both fill the client's height.
    RECT a = rectOf(first->HWindow), b = rectOf(second->HWindow);
    EXPECT_EQ(a.top, b.top);
    EXPECT_NE(a.left, b.left);
    SendMessageA(first->HWindow, WM_CLOSE, 0, 0); // a closed document asks again
    EXPECT_TRUE(tileCommandWaiting());
}

// A request whose main window goes before it is answered does not hold back the requests of the
// next main window.
TEST_F(Documents, TilingRequestIsNotHeldByAWindowThatWent) {
    app->store.findItem(1013)->setText("1");
    mdiWin* doc = new mdiWin(frame, "First");
    ASSERT_TRUE(doc->Create());
    ShowWindow(doc->HWindow, SW_MINIMIZE);
    ASSERT_TRUE(tileCommandWaiting());
    DestroyWindow(frame->HWindow); // the request goes with its queue
    pumpMessages();
    app->InitInstance();
    ASSERT_NE(app->MainWindow, nullptr);
    mdiWin* next = new mdiWin(frame, "Next");
    ASSERT_TRUE(next->Create());
    ShowWindow(next->HWindow, SW_MINIMIZE);
    EXPECT_TRUE(tileCommandWaiting());
    EXPECT_EQ(mdiWin::tilePending, 1);
}

// Closing one child may end others: its own children, or any that its close check ends. Each
// is taken again from its window just before it is used.
TEST_F(Documents, ChildrenThatEndOthersOnTheirWay) {
    class endingChild : public mdiWin {
    public:
        using mdiWin::mdiWin;
        bool CanClose() override {
            if (ends && IsWindow(ends)) SendMessageA(GetParent(ends), WM_MDIDESTROY, (WPARAM)ends, 0);
            return true;
        }
        HWND ends = nullptr;
    };
    TMDIClient* client = frame->ClientWnd;
    endingChild* owner = new endingChild(frame, "Owner");
    mdiWin* nested = new poisoned<mdiWin>(frame, "Nested", owner); // goes with its owner
    mdiWin* other = new poisoned<mdiWin>(frame, "Other");
    ASSERT_TRUE(other->Create());
    ASSERT_TRUE(nested->Create());
    ASSERT_TRUE(owner->Create()); // made last, so first in the client's order
    owner->ends = other->HWindow;
    EXPECT_TRUE(client->ChildrenCanClose()); // the check itself ends the other child
    owner->ends = nullptr;
    EXPECT_TRUE(client->CloseChildren());
    for (HWND w = GetWindow(client->HWindow, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        EXPECT_EQ(TWindow::ObjectOf(w), nullptr); // no document is left

    // A child that takes the client with it: the frame's arranging commands find no client.
    endingChild* last = new endingChild(frame, "Last");
    ASSERT_TRUE(last->Create());
    last->ends = last->HWindow;
    DestroyWindow(client->HWindow);
    EXPECT_EQ(frame->ClientWnd, nullptr);
    SendMessageA(frame->HWindow, WM_COMMAND, CM_TILECHILDREN, 0);
}

TEST_F(Documents, CloseCheckRefusedThenAgreed) {
    refusingChild* doc = new refusingChild(frame);
    ASSERT_TRUE(doc->Create());
    ShowWindow(frame->HWindow, SW_SHOWMAXIMIZED);
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(arrow);
    SendMessageA(frame->HWindow, WM_CLOSE, 0, 0);
    ASSERT_NE(app->MainWindow, nullptr); // refused: still there
    EXPECT_EQ(app->closing[0], 0);
    EXPECT_EQ(app->closing[1], 0);
    EXPECT_EQ(GetCursor(), arrow);

    doc->mayClose = true;
    SendMessageA(frame->HWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(app->MainWindow, nullptr);
    EXPECT_EQ(app->closing[0], 1);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    EXPECT_EQ(posText().substr(posText().size() - 2), " 1"); // it was maximised
    pumpMessages();
}

} // namespace
