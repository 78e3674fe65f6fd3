/* The smallest Win32 program that opens one 800 x 600 window and paints it:
   the yardstick for the start-up time of the real program. */
#include <windows.h>

static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        HBRUSH brush = CreateSolidBrush(RGB(255, 0, 255));
        RECT all = {0, 0, 800, 600};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        EndPaint(window, &ps);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    WNDCLASSA wc = {0};
    MSG msg;
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = "BAREWINDOW";
    RegisterClassA(&wc);
    ShowWindow(CreateWindowExA(0, "BAREWINDOW", "bare", WS_POPUP, 0, 0, 800, 600, NULL, NULL, instance, NULL),
               show);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
