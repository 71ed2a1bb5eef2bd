#include "app/app.h"

HWND hWnd_GLOB = nullptr;
int bActive = 0;
int GM = GM_PLOCHA;
char PAN_param_file[PAN_PARAM_FILE_MAX + 1] = "";
