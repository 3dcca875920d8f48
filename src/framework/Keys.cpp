#include "framework/Keys.h"

int upperCaseKey(int keyCode)
{
    return keyCode >= 'a' && keyCode <= 'z' ? keyCode - ('a' - 'A') : keyCode;
}
