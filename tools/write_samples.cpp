// write_samples FOLDER: writes the sample replays into FOLDER (created when missing).
#include <cstdio>
#include <filesystem>

#include "tools/sample_set.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_samples FOLDER\n");
        return 64;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    if (!pellan::samples::WriteSampleSet(argv[1])) {
        std::fprintf(stderr, "write_samples: cannot write the samples into %s\n", argv[1]);
        return 1;
    }
    std::printf("wrote %zu sample files into %s\n", pellan::samples::SampleSet().size(), argv[1]);
    return 0;
}
