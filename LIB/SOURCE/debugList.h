// The debug list: lines appended to "~debug.lst" in the current folder, at once or from a buffer.
#pragma once

void setDebug(int on);             // the switch is on when the program starts
void debugWrite(const char* text); // when on: appends one line to the file (opened for each line)
void debugAdd(const char* text);   // when on: keeps a copy of the text in the buffer
void debugFlush();                 // appends the buffered lines, whatever the switch; keeps them
