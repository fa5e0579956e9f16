// Writes a benchmark text: words drawn from a word list with a Zipf-like frequency, 12 words a line,
// the first word of each line capitalised. The same fixed start value gives the same text every run.
//   make_text WORDLIST OUTPUT [WORDS]
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench_arguments.h"

namespace {

// splitmix64: small, and the same on every platform (unlike the standard distributions).
struct Generator {
    uint64_t state = 20231117u;   // fixed start value
    uint64_t Next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }   // [0, 1)
};

} // namespace

int main(int argc, char** argv)
{
    if (MissingArguments(argc, 2, "make_text WORDLIST OUTPUT [WORDS]"))
        return 2;
    long total = OptionalCount(argc, argv, 3, 1000000);
    std::ifstream in(argv[1]);
    std::vector<std::string> words;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            words.push_back(line);
    }
    if (words.empty()) {
        std::fprintf(stderr, "make_text: no words in %s\n", argv[1]);
        return 1;
    }

    // Ranks are given by a fixed shuffle, so frequent words come from every part of the alphabet;
    // rank r is drawn with a weight of 1 / r.
    Generator g;
    for (size_t i = words.size() - 1; i > 0; i--)
        std::swap(words[i], words[static_cast<size_t>(g.Next() % (i + 1))]);
    std::vector<double> cumulative(words.size());
    double sum = 0;
    for (size_t r = 0; r < words.size(); r++) {
        sum += 1.0 / static_cast<double>(r + 1);
        cumulative[r] = sum;
    }

    std::ofstream out(argv[2], std::ios::binary);
    for (long i = 0; i < total; i++) {
        double pick = g.Unit() * sum;
        size_t rank = static_cast<size_t>(std::upper_bound(cumulative.begin(), cumulative.end(), pick) -
                                          cumulative.begin());
        std::string word = words[std::min(rank, words.size() - 1)];
        bool lineStart = i % 12 == 0;
        if (lineStart && word[0] >= 'a' && word[0] <= 'z')
            word[0] = static_cast<char>(word[0] - 'a' + 'A');
        out << word << ((i % 12 == 11 || i + 1 == total) ? "\n" : " ");
    }
    return out ? 0 : 1;
}
