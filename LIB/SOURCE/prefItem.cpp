// prefItem: reading and writing one setting, its conversions and its dialog control.
#include "pref"

#include "winDlg.h"

#include <cstdlib>
#include <cstring>
#include <windows.h>

namespace {
const int readBuffer = 1000;
const int longestValue = 1 << 20;

// The default given to the profile reading: no value in a file can hold a line feed, so getting
// it back means the file has no such key.
const char noValue[] = "\n";

// What the profile reading takes away at either end of a value: white space (the vertical tab,
// the form feed and Ctrl-Z count as such), and a quote that pairs with one at the other end.
bool strippedAtAnEnd(char c) {
    return c == '"' || c == '\'' || c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}

// The value as the file must hold it for the reading to give it back exactly.
str fileText(const str& value) {
    int n = value.length();
    if (n > 0 && (strippedAtAnEnd(value[0]) || strippedAtAnEnd(value[n - 1]))) return "\"" + value + "\"";
    return value.isNull() ? str("") : value;
}
} // namespace

prefItem::prefItem(int id, const char* name, const char* defaultText, int control)
    : id(id), name(name), owner(nullptr), value(defaultText), defaultValue(defaultText), dirty(0), unread(1),
      kind(0), control(control), assigned(0) {}

prefItem::prefItem(int id, const char* name, int control, int defaultNumber, int kind)
    : id(id), name(name), owner(nullptr), value(str(defaultNumber)), defaultValue(str(defaultNumber)),
      dirty(0), unread(1), kind(kind), control(control), assigned(0) {}

// The buffer starts at 1000 characters and grows while the value may not have fitted, so that a
// long value is read whole (up to a megabyte) and a later write cannot cut what the file holds.
// A value that filled the buffer is cut one short, and then one more when the cut took away the
// closing quote of its extra pair: the reading is only trusted two short of the buffer's end.
// A key that the file lacks leaves stored null and the value as it is.
void prefItem::readProfile() {
    if (!unread) return;
    for (int size = readBuffer;; size *= 2) {
        str buffer(size, '\0');
        DWORD n = GetPrivateProfileStringA(owner->section, name, noValue, buffer, size, owner->fileName);
        if ((int)n < size - 2 || size >= longestValue) {
            stored = strcmp(buffer, noValue) == 0 ? str() : str((const char*)buffer);
            break;
        }
    }
    if (!assigned && !stored.isNull()) value = stored;
    unread = 0;
}

bool prefItem::writeProfile() {
    if (!dirty) return true;
    if (!unread && !stored.isNull() && value.compare(stored) == 0) return true;
    if (!storable(value) ||
        !WritePrivateProfileStringA(owner->section, name, fileText(value), owner->fileName))
        return false;
    assigned = 0;
    dirty = 0;
    unread = 0;
    stored = value;
    return true;
}

str prefItem::getText() {
    readProfile();
    return value;
}

int prefItem::getInt() {
    readProfile();
    return IntOf(value);
}

// atol's rules, with strtol's defined result past a long.
long prefItem::getLong() {
    readProfile();
    return strtol(value ? (const char*)value : "", nullptr, 10);
}

double prefItem::getDouble() {
    readProfile();
    return atof(value ? (const char*)value : "");
}

void prefItem::assign(const str& text) {
    value = text;
    assigned = 1;
    dirty = 1;
}

bool prefItem::storable(const char* text) {
    return !text || !strpbrk(text, "\r\n");
}

bool prefItem::setText(const str& text) {
    if (!storable(text)) return false;
    assign(text);
    return true;
}
void prefItem::setInt(int v) {
    assign(str(v));
}
void prefItem::setLong(long v) {
    assign(str(v));
}
void prefItem::setDouble(double v) {
    assign(str(v));
}
void prefItem::resetToDefault() {
    assign(defaultValue);
}

void prefItem::revert() {
    readProfile();
    if (!stored.isNull()) value = stored;
}

void prefItem::toControl(winDlg& dialog) {
    if (control == -1 || !dialog.Item(control)) return;
    readProfile();
    int number = IntOf(value);
    if (kind == 1)
        dialog.SetCheck(control, number);
    else if (kind >= 2)
        dialog.SetRadio(control, kind, number);
    else
        dialog.SetItemText(control, value);
}

void prefItem::fromControl(winDlg& dialog) {
    if (control == -1 || !dialog.Item(control)) return;
    str before(value);
    if (kind == 1)
        value = str(dialog.IsChecked(control));
    else if (kind >= 2)
        value = str(dialog.CheckedIndex(control, kind));
    else
        value = dialog.ItemText(control);
    if (value.compare(before) != 0) {
        assigned = 1;
        dirty = 1;
    }
}
