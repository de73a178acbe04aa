// Tests of the dialog templates as the built program carries them: the frame of each template and
// every control's class, id, text, rectangle and style, in tab order, read out of setup.exe
// (DLGTEMPLATE and its DLGITEMTEMPLATEs); and the version that its resources carry.
#include "appTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

namespace {

// A template or a control as one line (class, id, text, place and size), and its style.
struct part {
    std::string line;
    DWORD style;
};

// Walks a template's fields: words, UTF-16 texts and the name-or-ordinal form (0xFFFF and a
// number, or a text). The system's control classes come as the ordinals 0x80 to 0x82.
struct reader {
    const BYTE *base, *at;
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
    std::string name() {
        if (*(const WORD*)at != 0xFFFF) return text();
        word();
        WORD ordinal = word();
        return ordinal == 0x80 ? "BUTTON" : ordinal == 0x81 ? "EDIT" : ordinal == 0x82 ? "STATIC" : "?";
    }
    std::string rectangle() {
        std::string r;
        for (int i = 0; i < 4; ++i)
            r += " " + std::to_string((short)word());
        return r;
    }
};

std::string upper(std::string s) {
    CharUpperA(&s[0]);
    return s;
}

std::string programPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path).substr(0, std::string(path).rfind('\\')) + "\\setup.exe";
}

// The template's frame first, then its controls.
std::vector<part> parts(const char* name) {
    HMODULE module = LoadLibraryExA(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = module ? FindResourceA(module, name, RT_DIALOG) : nullptr;
    std::vector<part> got;
    if (!found) return got;
    reader r{(const BYTE*)LockResource(LoadResource(module, found)), nullptr};
    r.at = r.base;
    DWORD style = r.dword();
    r.dword(); // extended style
    size_t count = r.word();
    std::string place = r.rectangle();
    r.name();                           // menu
    std::string line = upper(r.name()); // the fields one by one: they come in this order
    line += " \"" + r.text() + "\"";
    if (style & DS_SETFONT) {
        line += " " + std::to_string(r.word());
        line += " \"" + r.text() + "\"";
    }
    got.push_back({line + place, style});
    for (size_t i = 0; i < count; ++i) {
        r.at += (r.at - r.base) % 4 ? 4 - (r.at - r.base) % 4 : 0;
        DWORD style = r.dword();
        r.dword(); // extended style
        std::string place = r.rectangle();
        int id = (short)r.word();
        std::string cls = upper(r.name());
        got.push_back({cls + " " + std::to_string(id) + " \"" + r.name() + "\"" + place, style});
        r.at += r.word(); // creation data
    }
    FreeLibrary(module);
    return got;
}

// The frame's style is compared whole; a control's only in the bits that the expected style
// names, and in its kind (the low bits of buttons, statics and shades).
void expectTemplate(const char* name, const std::vector<part>& expected) {
    std::vector<part> got = parts(name);
    ASSERT_EQ(got.size(), expected.size()) << name;
    for (size_t i = 0; i < got.size(); ++i) {
        std::string cls = got[i].line.substr(0, got[i].line.find(' '));
        DWORD kind = cls == "STATIC" ? SS_TYPEMASK : cls == "EDIT" ? 0 : 0xF;
        DWORD style = i == 0 ? got[i].style : got[i].style & (expected[i].style | kind);
        EXPECT_EQ(got[i].line, expected[i].line);
        EXPECT_EQ(style, expected[i].style) << std::hex << got[i].line;
    }
}

const DWORD frame = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
const DWORD child = WS_CHILD | WS_VISIBLE;
const DWORD field = child | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DWORD radio = child | BS_AUTORADIOBUTTON;

// The Options dialog: the three fields in their panel, the radio buttons in the screen order 88,
// 90, 89, OK and Cancel, and the vertical line between them.
TEST(Templates, OptionsDialog) {
    expectTemplate(
        "prefDlg",
        {
            {"BORDLG \"Brisk Download Options\" 8 \"MS Sans Serif\" 50 66 211 154", frame},
            {"BORSHADE -1 \"\" 6 6 154 86", child},
            {"STATIC -1 \"Download folder\" 10 8 144 8", child | SS_LEFT},
            {"EDIT 80 \"\" 10 18 144 12", field},
            {"STATIC -1 \"Location of pkunzip.exe\" 10 36 144 8", child | SS_LEFT},
            {"EDIT 81 \"\" 10 46 144 12", field},
            {"STATIC -1 \"Anti-virus scanner\" 10 64 144 8", child | SS_LEFT},
            {"EDIT 82 \"\" 10 74 144 12", field},
            {"BORSHADE -1 \"After downloading file\" 6 98 154 50", child},
            {"BORRADIO 88 \"Always install immediately\" 10 108 144 10", radio | WS_GROUP | WS_TABSTOP},
            {"BORRADIO 90 \"Never install, move to Download folder\" 10 118 144 10", radio},
            {"BORRADIO 89 \"Ask what to do\" 10 128 144 10", radio},
            {"BORBTN 1 \"Button\" 172 6 33 21", child | BS_DEFPUSHBUTTON | WS_TABSTOP},
            {"BORBTN 2 \"Button\" 172 34 33 21", child | BS_PUSHBUTTON | WS_TABSTOP},
            {"BORSHADE -1 \"Line4\" 166 0 1 154", child},
        });
}

// The input dialog: prompt, field, OK and Cancel, a dividing line (shade 2) and a frame (shade 1).
TEST(Templates, InputDialog) {
    expectTemplate("inputDlg", {
                                   {"BORDLG \"\" 8 \"MS Sans Serif\" 42 38 142 96", frame},
                                   {"STATIC 4091 \"\" 10 12 122 20", child | SS_CENTER | WS_GROUP},
                                   {"EDIT 4090 \"\" 10 34 122 12", field},
                                   {"BORBTN 1 \"Button\" 22 66 36 24", child | BS_DEFPUSHBUTTON | WS_TABSTOP},
                                   {"BORBTN 2 \"Button\" 81 66 36 24", child | BS_PUSHBUTTON | WS_TABSTOP},
                                   {"BORSHADE -1 \"\" 0 60 142 1", child | 2},
                                   {"BORSHADE -1 \"\" 6 6 130 48", child | 1},
                               });
}

// The version resource and the manifest carry the version that the program shows.
TEST(Templates, VersionResourceAndManifest) {
    const std::string shown = appTexts::version;
    std::string program = programPath();
    std::string info(GetFileVersionInfoSizeA(program.c_str(), nullptr), '\0');
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoA(program.c_str(), 0, (DWORD)info.size(), &info[0]));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(&info[0], "\\", (void**)&fixed, &size));
    for (DWORD high : {fixed->dwFileVersionMS, fixed->dwProductVersionMS}) {
        DWORD low = high == fixed->dwFileVersionMS ? fixed->dwFileVersionLS : fixed->dwProductVersionLS;
        EXPECT_EQ(std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
                      std::to_string(HIWORD(low)),
                  shown);
        EXPECT_EQ(LOWORD(low), 0);
    }
    for (const char* name : {"FileVersion", "ProductVersion"}) {
        char* text = nullptr;
        ASSERT_TRUE(VerQueryValueA(&info[0], (std::string("\\StringFileInfo\\040904E4\\") + name).c_str(),
                                   (void**)&text, &size));
        EXPECT_EQ(std::string(text), shown) << name;
    }

    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = FindResourceA(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    ASSERT_NE(found, nullptr);
    std::string manifest((const char*)LockResource(LoadResource(module, found)),
                         SizeofResource(module, found));
    FreeLibrary(module);
    EXPECT_NE(manifest.find("name=\"BriskDownload\" version=\"" + shown + ".0\""), std::string::npos)
        << manifest;
}

} // namespace
