#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "session/output_file.h"

namespace morvanta {

// Files the program writes, named by the bytes of their path as given: no character set
// stands between a file name and the file.

// Notes which of the standard streams (0, 1, 2) the program was started without, and puts
// /dev/null in their place so that no file the program opens takes one of their numbers. A
// write to a stream that was closed then fails as it would have, with "Bad file
// descriptor". Call first thing.
void GuardStandardStreams();

// Whether writing to path would not replace a file of the user's but only reach something:
// a name under /dev/ or /proc/ (through any symlink), anything that is not a regular file or
// a symlink to one, or a file that is one of the program's own standard streams.
bool PathOnlyReaches(const std::string& path);

// A file written as the program goes, as WriteOutputFile writes it: a regular file (or a new
// one) goes to a temporary file beside it that Close renames over it, so that a run that fails
// part-way (an error, an exception, Close never reached) leaves the old file as it was and no
// partial file behind. After the first error nothing more is written; Close reports it.
class PosixOutputFile : public OutputFile {
public:
    explicit PosixOutputFile(const std::string& path);
    ~PosixOutputFile() override;
    PosixOutputFile(const PosixOutputFile&) = delete;
    PosixOutputFile& operator=(const PosixOutputFile&) = delete;

    std::ostream& Stream() override { return stream_; }
    // Finishes the file: an empty string on success, else the message WriteOutputFile gives.
    std::string Close() override;

private:
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(PosixOutputFile& file) : file_(file) {
            setp(bytes_, bytes_ + sizeof bytes_);
        }
        int Flush();

    protected:
        int_type overflow(int_type c) override;
        int sync() override { return Flush(); }

    private:
        PosixOutputFile& file_;
        char bytes_[1 << 16];
    };

    std::string path_;
    std::string temporary_;  // empty when written in place
    int fd_ = -1;
    bool own_ = false;  // whether the descriptor is the file's own, to close
    int error_ = 0;     // the errno of the first failure
    Buffer buffer_{*this};
    std::ostream stream_{&buffer_};
};

// Writes bytes to path: "-" is standard output. A regular file (or a new one) is written to
// a temporary file beside it and renamed over it once all is written, so that a failure
// leaves the old file as it was and no partial file behind; what the path only reaches is
// written in place (a pipe waits until something reads it). A path that names one of the
// program's standard streams is written through that stream. Returns an empty string on
// success, else "cannot write 'PATH': REASON" (or "cannot write to standard output: REASON").
std::string WriteOutputFile(const std::string& path, std::string_view bytes);

}  // namespace morvanta
