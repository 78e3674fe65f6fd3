// The test suite's virtual printer: a PostScript printer (Wine's own driver with
// the suite's PPD) on LPT1:, whose jobs the spooler writes to a file. No
// printing daemon is involved.
#pragma once

#include <string>

namespace testprinter {

constexpr char kPrinterName[] = "Tintwell Test Printer";

// Defines the printer (when it is not defined yet) with the PPD, makes it the
// default printer and sends LPT1: jobs to `jobDestination` (a Unix path, or
// "|command" to feed the PostScript to a command). Empty on success, else what failed.
std::string Install(const std::string& ppdPath, const std::string& jobDestination);

// Removes the printer (the driver stays). True when it is gone.
bool Remove();
bool Exists();

// Where LPT1: jobs go now, and a new destination; the spooler reads it per job.
std::string JobDestination();
bool SetJobDestination(const std::string& destination);

}  // namespace testprinter
