#pragma once
// driver_answers.h - what the interface module answers the spooler for the installed printer.

#include <string>

// Loads the interface module from the printer's driver folder; when the printer has no printer-wide devmode
// yet, tells the module the printer was set up (PRINTER_EVENT_INITIALIZE), as the spooler does for a new
// printer. Then prints the device capabilities and the printer-wide devmode "ZTORQ NT" the module keeps.
void ShowInterfaceModuleAnswers(const std::u16string& printerName);
