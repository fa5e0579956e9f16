// Copies of documents with unsaved changes in a folder of the user's own
// (%LOCALAPPDATA%\Penmar\Recovery), so that a crash, a power cut or a killed editor loses at most the
// last seconds of work. Each running editor writes its copies under a name of its own and holds a lock
// of that name while it runs; at start an editor opens the copies whose editor no longer runs.
#pragma once
#include <windows.h>

// A document's copy in the recovery folder.
struct RecoveryCopy {
    int number;     // in the copy's file name; 0 until the document has a copy
    bool written;   // the copy's file is there
    bool stale;     // the document changed since it was written
};

// A copy is written at most this long (milliseconds) after the change that made it stale.
const UINT RecoveryCopyDelay = 10000;
// The frame's timer for the copies.
const UINT_PTR RecoveryTimerId = 2301;

// The folder of the copies; null for the user's own. Test programs give one inside their own folder.
void SetRecoveryFolder(const wchar_t* folder);
// From now on this editor keeps copies, under its own name and lock. False when the folder cannot be
// made: then no copies are kept.
bool StartRecovery();
// The editor ends: its lock goes, and its copies stay unless they were removed before.
void StopRecovery();

// The document changed, was saved or went back to its saved text: with unsaved changes its copy is
// written within RecoveryCopyDelay, without them its copy goes at once.
void RecoveryCopyMayBeStale(HWND document);
// Writes the copies of every document changed since its last copy (the frame's timer, the end of the
// session).
void WriteRecoveryCopies();
void OnRecoveryTimer();
// The user closed the document: its copy goes.
void RemoveRecoveryCopy(HWND document);
// A normal exit: every copy of this editor goes.
void RemoveRecoveryCopies();
// Opens the copies that no running editor owns, each as a changed document under its old name, and says
// in one message how many it recovered and how many it could not read (which stay where they are).
void RecoverDocuments(HWND frame);

// The copy file of the document, for tests; empty when it has none.
void RecoveryCopyPath(HWND document, wchar_t path[MAX_PATH]);
