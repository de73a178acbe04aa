// tokenScan: walks the tokens of a text, the maximal runs of characters outside a separator set.
#pragma once

class tokenScan {
public:
    // Neither text is copied: both must outlive the scan. A null text or separator set counts as empty.
    tokenScan(const char* text, const char* separators);

    // Finds the next token; start receives its offset in the text and length its size.
    // Returns false, leaving both unchanged, when no token is left.
    bool next(int& start, int& length);

private:
    const char* text;
    int pos;
    bool separator[256];
};
