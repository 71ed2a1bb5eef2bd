// Diagnostics log: one line per reported problem, appended to "ZEPH_LOG.txt" in the
// current directory. The file is opened and closed around every line, so a crash
// never loses what was already reported. Logging never fails towards its caller.
#pragma once

// Name of the log file, relative to the current directory.
extern const char* const ZEPH_LOG_SUBOR;
// A formatted line holds at most this many characters including the terminator;
// longer lines are cut.
const int ZEPH_LOG_MAX_RIADOK = 300;

// Empties the log and writes one line.
void ZEPH_LOG_Reset(const char* text);
// Appends one line.
void ZEPH_LOG_Zapis(const char* text);

// "subor(riadok) : text"
void _ZEPH_LOG_(const char* subor, int riadok, const char* text);
// "subor(riadok) : text [c1] [c2]"
void _ZEPH_LOG_(const char* subor, int riadok, const char* text, int c1, int c2);
// "subor(riadok) : text1 text2"
void _ZEPH_LOG_(const char* subor, int riadok, const char* text1, const char* text2);
