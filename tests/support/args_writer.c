/* A program for the tests of actions: it writes the arguments it was started with, one a
   line in UTF-8, to the file that the variable KESTRUNE_ARGS_FILE of its environment names. */

#include <windows.h>
#include <shellapi.h>

#include <stdio.h>

int main(void) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    const wchar_t* path = _wgetenv(L"KESTRUNE_ARGS_FILE");
    FILE* file = path ? _wfopen(path, L"wb") : NULL;
    for (int i = 1; args && file && i < count; ++i) {
        char text[4096] = "";
        WideCharToMultiByte(CP_UTF8, 0, args[i], -1, text, sizeof text, NULL, NULL);
        fprintf(file, "%s\n", text);
    }
    return file ? fclose(file) : 1;
}
