// Runs a fuzz target without libFuzzer, for compilers that lack it and for the
// test run: every seed of the corpus folders, then a fixed number of inputs made
// from the seeds by a seeded pseudo-random mutator, so each run is the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

// Pieces of the grammar worth splicing in: they reach the branches that random
// bytes rarely spell.
const char* const Tokens[] = {"<>",
                              "??",
                              "?",
                              "&",
                              "!",
                              "randomA",
                              "/0/",
                              "::",
                              ":",
                              "\\\\",
                              "\\",
                              "[",
                              "]",
                              "%%af%%",
                              "%%rt%%",
                              "%%",
                              "[Start]",
                              "[Win32Root]",
                              "[System32Root]",
                              "[ProgramFiles32Root]",
                              "_end",
                              ".exe",
                              "a",
                              "z",
                              "9",
                              "\nF ",
                              "\nE ",
                              "\nP ",
                              "\nD "};

uint64_t state = 0x9E3779B97F4A7C15ull;
uint64_t Next()
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

std::string Mutate(std::string text)
{
    const int edits = 1 + static_cast<int>(Next() % 4);
    for (int i = 0; i < edits; ++i) {
        const size_t at = text.empty() ? 0 : Next() % (text.size() + 1);
        switch (Next() % 4) {
        case 0:
            text.insert(at, Tokens[Next() % (sizeof(Tokens) / sizeof(Tokens[0]))]);
            break;
        case 1:
            if (at < text.size())
                text.erase(at, 1 + Next() % 4);
            break;
        case 2:
            if (at < text.size())
                text[at] = static_cast<char>(Next() & 0xFF);
            break;
        default:
            text.insert(at, 1, static_cast<char>(Next() & 0xFF));
            break;
        }
    }
    if (text.size() > 1024)
        text.resize(1024);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    long runs = 2000;
    std::vector<std::string> seeds;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("-runs=", 0) == 0) {
            runs = std::strtol(arg.c_str() + 6, nullptr, 10);
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(arg)) {
            std::ifstream in(entry.path(), std::ios::binary);
            seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    if (seeds.empty())
        seeds.emplace_back();
    for (const std::string& seed : seeds)
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(seed.data()), seed.size());
    for (long i = 0; i < runs; ++i) {
        const std::string input = Mutate(seeds[Next() % seeds.size()]);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
    }
    std::printf("%zu seeds and %ld mutated inputs ran\n", seeds.size(), runs);
    return 0;
}
