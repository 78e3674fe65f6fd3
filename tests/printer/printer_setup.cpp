// Defines the test suite's virtual printer in the current Wine prefix.
//   printer_setup install <PPD file> <Unix path of the job file>
//   printer_setup remove
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/printer/virtual_printer.h"

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "install") == 0) {
        const std::string error = testprinter::Install(argv[2], argv[3]);
        if (!error.empty()) {
            std::fprintf(stderr, "printer_setup: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "remove") == 0) return testprinter::Remove() ? 0 : 1;
    std::fprintf(stderr, "usage: printer_setup install PPD JOBFILE | printer_setup remove\n");
    return 2;
}
