// Saves one page over and over until it is killed: the page-kill test starts
// it, waits until it runs, and ends it with TerminateProcess at a random moment.
// Usage: page_saver <page file> <name of the event to set once saving starts>
// Every save paints the whole page in one colour and flips the clean flag, so a
// file mixing two saves shows.
#include <windows.h>

#include <cstring>

#include "page/page_image.h"
#include "app/page_files.h"
#include "page/page_store.h"
#include "support/gmem.h"

int main(int argc, char** argv) {
    if (argc != 3 || !AllocateGlobalBlocks() || !LoadPage(argv[1])) return 2;
    HANDLE running = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    if (!running) return 3;
    for (unsigned n = 0;; ++n) {
        std::memset(lpDib, int(1 + n % 36), kDibBytes);
        SetPageClean(gPageImage, n % 2 == 1);
        if (!SavePage(argv[1])) return 4;
        if (n == 0) SetEvent(running);
    }
}
