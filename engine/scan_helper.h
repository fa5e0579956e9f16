// A second thread for the suggestion scans: one task at a time, handed over and waited for by the
// thread that looks words up, so that a long scan can be split between two processor cores.
#pragma once

// Starts the task on the helper thread; false (and nothing started) when no helper can run, so the
// caller does the work itself.
bool StartHelperTask(void (*task)());

// Waits until the task started last has finished.
void FinishHelperTask();
