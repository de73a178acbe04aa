// pref: the store's file name rule, item lookup and saving.
#include "pref"

#include "genApp.h"

pref::pref(genApp& app, prefItem* items, int count, const str& sectionName, const char* fileBase)
    : notSaved(nullptr), section(sectionName), items(items), count(count) {
    str base(fileBase);
    if (!fileBase) {
        str joined("");
        for (int i = 0, n = section.tokenCount(" "); i < n; ++i)
            joined += section.token(i, " ");
        section = joined;
        base = str(joined, 8);
    }
    fileName = app.appFolder() + "\\" + base + ".ini";
    for (int i = 0; i < count; ++i)
        items[i].owner = this;
}

prefItem* pref::findItem(int id) {
    for (int i = 0; i < count; ++i)
        if (items[i].id == id) return &items[i];
    return nullptr;
}

bool pref::hasItem(int id) {
    return findItem(id) != nullptr;
}

bool pref::saveAll() {
    notSaved = nullptr;
    for (int i = 0; i < count; ++i)
        if (!items[i].writeProfile() && !notSaved) notSaved = &items[i];
    return !notSaved;
}
