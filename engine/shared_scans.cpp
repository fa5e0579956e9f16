#include "shared_scans.h"

#include "initial_run_scan.h"
#include "other_initial_scan.h"
#include "passing_over.h"
#include "scan_helper.h"
#include "scoring_rules.h"
#include "spell_tables.h"
#include "suggestion_internals.h"

namespace {

// Runs of at least this many entries are shared: shorter ones are not worth the hand-over.
const int32_t SharedRunFrom = 2048;
// This thread's share of the run, in sixteenths. The helper also scans the other first letters, which
// takes about three fifths of the time of the whole run; this thread also scans the other case's run.
const int32_t OwnShareWithOtherInitials = 13;
const int32_t OwnShareAlone = 8;

struct HelperWork {
    const WordField* word;
    const WordProfile* profile;
    int32_t from;
    int32_t to;
};
HelperWork Work;

FoundCandidates FoundInRunRest;
FoundCandidates FoundInOtherCase;
FoundCandidates FoundInOtherInitials;

void ScanHelperShare()
{
    const WordField& word = *Work.word;
    ScanInitialRunPart(word, *Work.profile, word.ch[0], Work.from, Work.to, &FoundInRunRest);
    ScanOtherInitials(word, &FoundInOtherInitials);
}

} // namespace

SharedScan ScanWordWithHelper(const WordField& word, bool passOver)
{
    int16_t n = TrimmedLength(word);
    char ch = word.ch[0];
    InitialRun run = FindInitialRun(ch);
    int32_t length = run.end - run.start + 1;
    if (n <= 1 || length < SharedRunFrom)
        return ScanNotShared;
    int32_t ownShare = n >= OtherInitialsFrom ? OwnShareWithOtherInitials : OwnShareAlone;
    int32_t middle = run.start + length / 16 * ownShare;

    WordProfile profile;
    ProfileWord(word, n, profile);
    Work.word = &word;
    Work.profile = &profile;
    Work.from = middle;
    Work.to = run.end;
    ClearFound(FoundInRunRest);
    ClearFound(FoundInOtherCase);
    ClearFound(FoundInOtherInitials);
    if (!StartHelperTask(ScanHelperShare))
        return ScanNotShared;
    SpellTables.CandidatePool.scanPass = 1;
    OfferLocalWords(word, n);
    PassingOver.active = passOver;
    ScanInitialRunPart(word, profile, ch, run.start, middle - 1, nullptr);
    PassingOver.active = false;
    ScanInitialRun(word, profile, OtherCase(ch), &FoundInOtherCase);
    FinishHelperTask();

    PassingOver.active = passOver;
    OfferFound(FoundInRunRest, 1, word, n);
    PassingOver.active = false;
    OfferFound(FoundInOtherCase, 1, word, n);
    PassingOver.active = passOver;
    OfferFound(FoundInOtherInitials, 2, MaskedInitial(word), n);
    PassingOver.active = false;
    bool overflowed = FoundInRunRest.overflowed || FoundInOtherCase.overflowed || FoundInOtherInitials.overflowed;
    return overflowed ? ScanOverflowed : ScanShared;
}
