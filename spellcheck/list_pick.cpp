#include "list_pick.h"

#include "message_boxes.h"
#include "scan_text.h"
#include "texts.h"
#include "word_dialog_ids.h"

namespace {

// The longest entry taken, with its terminator: the list holds words, no longer than a word field.
const int PickedTextLimit = 64;

// The selection is counted and, when one entry is selected, its index fetched: only so that a list
// that cannot answer is reported.
void ReportSelectionFailures(HWND dialog)
{
    LRESULT count = SendDlgItemMessageW(dialog, IDC_SUGGESTION_LIST, LB_GETSELCOUNT, 0, 0);
    if (count == LB_ERR) {
        ShowMessageBox(dialog, TEXT_ERROR_COUNTING_SELECTION, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
        return;
    }
    if (count != 1)
        return;
    int index = 0;
    LRESULT got = SendDlgItemMessageW(dialog, IDC_SUGGESTION_LIST, LB_GETSELITEMS, 1,
                                      reinterpret_cast<LPARAM>(&index));
    if (got == LB_ERR)
        ShowMessageBox(dialog, TEXT_ERROR_GETTING_SELECTION, TEXT_CAPTION_WARNING, MB_ICONEXCLAMATION);
}

} // namespace

void PickListEntry(HWND dialog, int notification, int pickedBoxId, char* pickedText, int pickedSize)
{
    if (notification != LBN_SELCHANGE && notification != LBN_DBLCLK)
        return;
    if (notification == LBN_SELCHANGE)
        ReportSelectionFailures(dialog);

    // With several entries selected, the one the user touched last (the focus) counts.
    LRESULT focus = SendDlgItemMessageW(dialog, IDC_SUGGESTION_LIST, LB_GETCURSEL, 0, 0);
    LRESULT length = SendDlgItemMessageW(dialog, IDC_SUGGESTION_LIST, LB_GETTEXTLEN,
                                         static_cast<WPARAM>(focus), 0);
    if (focus == LB_ERR || length == LB_ERR || length >= PickedTextLimit)
        return;
    wchar_t entry[PickedTextLimit];
    SendDlgItemMessageW(dialog, IDC_SUGGESTION_LIST, LB_GETTEXT, static_cast<WPARAM>(focus),
                        reinterpret_cast<LPARAM>(entry));
    // The entries are the engine's words, which Windows-1252 holds.
    if (!WordTextFromWide(entry, pickedText, pickedSize))
        return;
    SetDlgItemTextW(dialog, pickedBoxId, entry);
}

int SelectedEntryCount(HWND dialog)
{
    LRESULT count = SendDlgItemMessageW(dialog, IDC_SUGGESTION_LIST, LB_GETSELCOUNT, 0, 0);
    if (count == LB_ERR) {
        ShowMessageBox(dialog, TEXT_ERROR_COUNTING_ITEMS, TEXT_CAPTION_WARNING, MB_OK);
        return 0;
    }
    if (count == 0)
        ShowMessageBox(dialog, TEXT_NO_ITEMS_SELECTED, TEXT_CAPTION_WARNING, MB_OK);
    return static_cast<int>(count);
}
