// A small stand-in for libFuzzer when the compiler has none: feeds the target
// the files named on the command line (a corpus), then random mutations of them
// (or of nothing), deterministic for a given -seed.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static std::vector<uint8_t> ReadFile(const char* path) {
    std::vector<uint8_t> bytes;
    FILE* f = std::fopen(path, "rb");
    if (!f) return bytes;
    uint8_t buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
    return bytes;
}

int main(int argc, char** argv) {
    long runs = 10000;
    unsigned seed = 1;
    std::vector<std::vector<uint8_t>> corpus;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "-runs=", 6) == 0) runs = std::atol(argv[i] + 6);
        else if (std::strncmp(argv[i], "-seed=", 6) == 0) seed = unsigned(std::atol(argv[i] + 6));
        else if (argv[i][0] != '-') corpus.push_back(ReadFile(argv[i]));
    }
    for (const auto& input : corpus) LLVMFuzzerTestOneInput(input.data(), input.size());
    if (corpus.empty()) corpus.emplace_back();

    std::mt19937 rng(seed);
    for (long run = 0; run < runs; ++run) {
        std::vector<uint8_t> input = corpus[rng() % corpus.size()];
        int edits = 1 + int(rng() % 8);
        for (int e = 0; e < edits; ++e) {
            switch (rng() % 4) {
            case 0: if (!input.empty()) input[rng() % input.size()] = uint8_t(rng()); break;
            case 1: input.insert(input.begin() + (input.empty() ? 0 : rng() % input.size()), uint8_t(rng())); break;
            case 2: if (!input.empty()) input.erase(input.begin() + rng() % input.size()); break;
            case 3: if (!input.empty()) input.resize(rng() % (input.size() + 1)); break;
            }
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("random driver: %ld runs, seed %u, corpus %zu\n", runs, seed, corpus.size());
    return 0;
}
