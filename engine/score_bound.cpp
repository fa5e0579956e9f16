#include "score_bound.h"

#include "main_list_profile.h"

void ProfileWord(const WordField& word, int16_t n, WordProfile& profile)
{
    profile.n = n;
    profile.mask = CharacterMask(word.ch, n);
    profile.underscores = 0;
    profile.first = word.ch[0];
    profile.layerCount = 0;
    for (int i = 0; i < n; i++) {
        // The character's bit goes into the first layer that does not hold it yet.
        uint64_t bit = uint64_t(1) << (static_cast<unsigned char>(word.ch[i]) & 63);
        int k = 0;
        while (k < profile.layerCount && (profile.layers[k] & bit) != 0)
            k++;
        if (k == profile.layerCount)
            profile.layers[profile.layerCount++] = 0;
        profile.layers[k] |= bit;
        profile.underscores += word.ch[i] == '_';
    }
}
