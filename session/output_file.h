#pragma once

#include <ostream>
#include <string>

namespace morvanta {

// A file the program writes as it goes, named by its path as the user gave it ("-": the
// standard output). Each edition writes files its own system's way; a file that is not
// closed, or fails part-way, leaves what was there before.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual std::ostream& Stream() = 0;
    // Finishes the file (once): an empty string when all of it was written, else why not,
    // as "cannot write 'PATH': REASON".
    virtual std::string Close() = 0;
};

}  // namespace morvanta
