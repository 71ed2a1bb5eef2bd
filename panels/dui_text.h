// Label copies and character counts shared by the option panel and the list panel.
#pragma once

// A heap copy of a label (null gives an empty label); free it with DUI_Uvolni_kopiu.
char* DUI_Kopia_textu(const char* text);
void DUI_Uvolni_kopiu(char* text);
// Characters (not bytes) of a UTF-8 label; 0 for none.
int DUI_Pocet_znakov(const char* text);
