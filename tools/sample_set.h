#pragma once
// The sample replays: for every USER-block game, numbered and user-named files, Japanese
// player names and comments (Shift-JIS), multi-line comments, files without summary or
// comment, and a few damaged ones. The main job lists them; the tests compare builds on them.
#include <string>
#include <vector>

#include "tools/replay_builder.h"

namespace pellan::samples {

struct SampleFile {
    std::string name;  // file name, ASCII
    Bytes bytes;
};

std::vector<SampleFile> SampleSet();

// Writes the sample set into folder (which must exist); false when a file cannot be written.
bool WriteSampleSet(const std::string& folder);

}  // namespace pellan::samples
