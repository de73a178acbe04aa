// Tests of the dialog templates as the built program carries them: each template's frame and
// every control's class, id, text, rectangle and style, in tab order, read from setup.exe's
// resources (DLGTEMPLATE and its DLGITEMTEMPLATEs).
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

namespace {

struct control {
    std::string cls; // upper case; the system's classes by name
    int id;          // -1: none
    std::string text;
    int x, y, w, h;
    DWORD style; // the bits that must be set, the control's kind included
};

struct dialog {
    std::string cls, title, font;
    int points;
    DWORD style;
    int x, y, w, h;
    std::vector<control> controls;
};

// Walks the template's variable-length fields: words, strings of UTF-16 and the name-or-ordinal
// form (0: none, 0xFFFF and an ordinal, or a string).
class reader {
public:
    explicit reader(const BYTE* at) : at(at) {}
    WORD word() {
        WORD w = *(const WORD*)at;
        at += 2;
        return w;
    }
    DWORD dword() { return word() | (DWORD)word() << 16; }
    std::string text() {
        std::string t;
        for (WORD c; (c = word()) != 0;)
            t += (char)c;
        return t;
    }
    std::string nameOrOrdinal() {
        if (*(const WORD*)at == 0xFFFF) {
            word();
            return "#" + std::to_string(word());
        }
        return text();
    }
    void alignToDword(const BYTE* base) {
        while ((at - base) % 4)
            ++at;
    }
    const BYTE* at;
};

std::string upper(std::string s) {
    CharUpperA(&s[0]);
    return s;
}

// The system's classes given by ordinal in a template.
std::string className(const std::string& name) {
    if (name == "#128")
        return "BUTTON";
    if (name == "#129")
        return "EDIT";
    if (name == "#130")
        return "STATIC";
    return upper(name);
}

// The bits of a control's kind: BS_TYPEMASK for buttons, SS_TYPEMASK for statics, the shade.
DWORD kindMask(const std::string& cls) {
    if (cls == "STATIC")
        return SS_TYPEMASK;
    if (cls == "BORBTN" || cls == "BORRADIO" || cls == "BORCHECK" || cls == "BUTTON" || cls == "BORSHADE")
        return 0xF;
    return 0;
}

dialog load(const char* name) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string program = std::string(path).substr(0, std::string(path).rfind('\\')) + "\\setup.exe";
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    EXPECT_NE(module, nullptr) << program;
    HRSRC found = module ? FindResourceA(module, name, RT_DIALOG) : nullptr;
    EXPECT_NE(found, nullptr) << name;
    dialog d = {};
    if (!found)
        return d;
    const BYTE* base = (const BYTE*)LockResource(LoadResource(module, found));
    reader r(base);
    d.style = r.dword();
    r.dword(); // extended style
    int count = r.word();
    d.x = (short)r.word(), d.y = (short)r.word(), d.w = (short)r.word(), d.h = (short)r.word();
    r.nameOrOrdinal(); // menu
    d.cls = className(r.nameOrOrdinal());
    d.title = r.text();
    if (d.style & DS_SETFONT) {
        d.points = r.word();
        d.font = r.text();
    }
    for (int i = 0; i < count; ++i) {
        r.alignToDword(base);
        control c = {};
        c.style = r.dword();
        r.dword(); // extended style
        c.x = (short)r.word(), c.y = (short)r.word(), c.w = (short)r.word(), c.h = (short)r.word();
        c.id = (short)r.word();
        c.cls = className(r.nameOrOrdinal());
        c.text = r.nameOrOrdinal();
        r.at += r.word(); // creation data
        d.controls.push_back(c);
    }
    FreeLibrary(module);
    return d;
}

const DWORD child = WS_CHILD | WS_VISIBLE;
const DWORD frame = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
const DWORD field = child | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DWORD radio = child | BS_AUTORADIOBUTTON;

void expectTemplate(const char* name, const dialog& want) {
    dialog got = load(name);
    EXPECT_EQ(got.cls, want.cls);
    EXPECT_EQ(got.title, want.title);
    EXPECT_EQ(got.font, want.font);
    EXPECT_EQ(got.points, want.points);
    EXPECT_EQ(got.style, want.style);
    EXPECT_EQ(std::vector<int>({got.x, got.y, got.w, got.h}),
              std::vector<int>({want.x, want.y, want.w, want.h}));
    ASSERT_EQ(got.controls.size(), want.controls.size());
    for (size_t i = 0; i < want.controls.size(); ++i) {
        const control &g = got.controls[i], &w = want.controls[i];
        SCOPED_TRACE(std::string(name) + " control " + std::to_string(i + 1) + " (" + w.text + ")");
        EXPECT_EQ(g.cls, w.cls);
        EXPECT_EQ(g.id, w.id);
        EXPECT_EQ(g.text, w.text);
        EXPECT_EQ(std::vector<int>({g.x, g.y, g.w, g.h}), std::vector<int>({w.x, w.y, w.w, w.h}));
        EXPECT_EQ(g.style & (w.style | kindMask(w.cls)), w.style) << std::hex << g.style;
    }
}

// The Options dialog: the three fields in their panel, the radio buttons in the screen order 88,
// 90, 89, OK and Cancel, and the vertical line between them.
TEST(Templates, OptionsDialog) {
    dialog options = {"BORDLG", "Brisk Download Options", "MS Sans Serif", 8, frame, 50, 66, 211, 154, {}};
    options.controls = {
        {"BORSHADE", -1, "", 6, 6, 154, 86, child},
        {"STATIC", -1, "Download folder", 10, 8, 144, 8, child | SS_LEFT},
        {"EDIT", 80, "", 10, 18, 144, 12, field},
        {"STATIC", -1, "Location of pkunzip.exe", 10, 36, 144, 8, child | SS_LEFT},
        {"EDIT", 81, "", 10, 46, 144, 12, field},
        {"STATIC", -1, "Anti-virus scanner", 10, 64, 144, 8, child | SS_LEFT},
        {"EDIT", 82, "", 10, 74, 144, 12, field},
        {"BORSHADE", -1, "After downloading file", 6, 98, 154, 50, child},
        {"BORRADIO", 88, "Always install immediately", 10, 108, 144, 10, radio | WS_GROUP | WS_TABSTOP},
        {"BORRADIO", 90, "Never install, move to Download folder", 10, 118, 144, 10, radio},
        {"BORRADIO", 89, "Ask what to do", 10, 128, 144, 10, radio},
        {"BORBTN", IDOK, "Button", 172, 6, 33, 21, child | BS_DEFPUSHBUTTON | WS_TABSTOP},
        {"BORBTN", IDCANCEL, "Button", 172, 34, 33, 21, child | BS_PUSHBUTTON | WS_TABSTOP},
        {"BORSHADE", -1, "Line4", 166, 0, 1, 154, child},
    };
    expectTemplate("prefDlg", options);
}

// The input dialog: prompt, field, OK and Cancel, a dividing line (shade 2) and a frame (shade 1).
TEST(Templates, InputDialog) {
    dialog input = {"BORDLG", "", "MS Sans Serif", 8, frame, 42, 38, 142, 96, {}};
    input.controls = {
        {"STATIC", 4091, "", 10, 12, 122, 20, child | SS_CENTER | WS_GROUP},
        {"EDIT", 4090, "", 10, 34, 122, 12, field},
        {"BORBTN", IDOK, "Button", 22, 66, 36, 24, child | BS_DEFPUSHBUTTON | WS_TABSTOP},
        {"BORBTN", IDCANCEL, "Button", 81, 66, 36, 24, child | BS_PUSHBUTTON | WS_TABSTOP},
        {"BORSHADE", -1, "", 0, 60, 142, 1, child | 2},
        {"BORSHADE", -1, "", 6, 6, 130, 48, child | 1},
    };
    expectTemplate("inputDlg", input);
}

} // namespace
