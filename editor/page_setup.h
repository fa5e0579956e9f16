// File > Page Setup...: the system's page setup dialog (paper, orientation, margins) with the header
// and footer switches, and the printer settings that printing and the print preview lay pages out
// for. The margins, the switches, the paper and its orientation are remembered per user under
// HKEY_CURRENT_USER\Software\Penmar; the printer is the one chosen last in this run, else the
// system's default printer.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "print_layout.h"

// Ids of the header and footer switches the editor adds to the page setup dialog.
const int PageSetupHeaderId = 2101;
const int PageSetupFooterId = 2102;

// The page choices in force: remembered ones, or one-inch margins in the locale's unit with header
// and footer.
PageChoices CurrentPageChoices();

void PageSetupCommand(HWND frame);   // File > Page Setup...

// The printer's settings (DEVMODE and DEVNAMES as movable memory) for the Print dialog to start from:
// the page setup's paper and orientation. The dialog takes them over; null when no printer is there.
void OfferPrinterSettings(HGLOBAL& devMode, HGLOBAL& devNames);
// Settings the Print dialog handed back become the ones the print preview lays pages out for.
void KeepPrinterSettings(HGLOBAL devMode, HGLOBAL devNames);
// A device context of that printer, for laying out pages; null when there is no printer.
HDC CreateLayoutPrinter();
// Releases the printer settings kept, for tests that start afresh; the program keeps them to its end.
void ForgetPrinterSettings();

// ---- Page setup dialog: PageSetupDlgW. Its custom data points at the header and footer switches.
struct PageMarkSwitches {
    bool header;
    bool footer;
};
typedef BOOL (*PageSetupDialogFunction)(PAGESETUPDLGW* record);
// A null function restores the common dialog.
void SetPageSetupDialogForTesting(PageSetupDialogFunction function);
