/* Keeps one Wine process alive for a whole test run, so the Wine desktop and
   services start once instead of once per test. Ends when the run's wineserver
   is stopped, or after an hour. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    Sleep(3600 * 1000);
    return 0;
}
