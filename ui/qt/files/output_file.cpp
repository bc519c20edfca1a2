#include "ui/qt/files/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace morvanta {
namespace {

namespace fs = std::filesystem;

constexpr int StandardStreams = 3;
std::array<bool, StandardStreams> closedAtStart{};

// Symlinks followed before a path is taken for a loop, as the kernel does.
constexpr int MostSymlinkHops = 40;
// Tries at a free name for the temporary file before giving up.
constexpr int TemporaryNameTries = 100;

std::string CannotWrite(const std::string& path, int error) {
    if (path == "-") return std::string("cannot write to standard output: ") + std::strerror(error);
    return "cannot write '" + path + "': " + std::strerror(error);
}

// 0, or the errno of the write that failed.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

bool UnderSystemFolder(const fs::path& path) {
    for (const char* folder : {"/dev", "/proc"}) {
        const std::string text = path.string();
        const std::size_t length = std::strlen(folder);
        if (text.compare(0, length, folder) == 0 && (text.size() == length || text[length] == '/'))
            return true;
    }
    return false;
}

// Follows path hop by hop through its symlinks, each hop with its folders resolved, and
// tells whether any hop lies under /dev/ or /proc/. (/dev/stdout ends at whatever the
// standard output is, a regular file perhaps: only the hops tell that it was reached.)
bool ReachesSystemFolder(const std::string& path) {
    std::error_code error;
    fs::path hop = fs::absolute(path, error).lexically_normal();
    if (error) return false;
    for (int i = 0; i < MostSymlinkHops; ++i) {
        const fs::path folder = fs::weakly_canonical(hop.parent_path(), error);
        if (!error) hop = folder / hop.filename();
        if (UnderSystemFolder(hop)) return true;
        if (!fs::is_symlink(hop, error)) return false;
        const fs::path target = fs::read_symlink(hop, error);
        if (error) return false;
        hop = (target.is_absolute() ? target : hop.parent_path() / target).lexically_normal();
    }
    return false;
}

// The standard output or error stream that is the file at path; -1 when neither is.
int StandardStreamAt(const std::string& path) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) return -1;
    for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat stream {};
        if (!closedAtStart[static_cast<std::size_t>(fd)] && ::fstat(fd, &stream) == 0 &&
            stream.st_dev == target.st_dev && stream.st_ino == target.st_ino)
            return fd;
    }
    return -1;
}

// A new file beside target, made with the default permissions; -1 when none can be made.
int OpenTemporaryBeside(const std::string& target, std::string& temporary) {
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::minstd_rand random(std::random_device{}());
    std::uniform_int_distribution<std::size_t> letter(0, sizeof Letters - 2);
    for (int i = 0; i < TemporaryNameTries; ++i) {
        temporary = target + ".";
        for (int j = 0; j < 6; ++j) temporary += Letters[letter(random)];
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

void GuardStandardStreams() {
    for (int fd = 0; fd < StandardStreams; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1) continue;
        closedAtStart[static_cast<std::size_t>(fd)] = true;
        const int null = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            ::dup2(null, fd);
            ::close(null);
        }
    }
}

bool PathOnlyReaches(const std::string& path) {
    if (path == "-" || ReachesSystemFolder(path)) return true;
    struct stat target {};
    // A file that is not there yet is made, and a path that cannot be followed fails.
    if (::stat(path.c_str(), &target) != 0) return false;
    return !S_ISREG(target.st_mode) || StandardStreamAt(path) >= 0;
}

PosixOutputFile::PosixOutputFile(const std::string& path) : path_(path) {
    const int stream = path == "-" ? STDOUT_FILENO : StandardStreamAt(path);
    if (stream >= 0) {
        // One of the program's standard streams: written through it.
        if (closedAtStart[static_cast<std::size_t>(stream)]) error_ = EBADF;
        fd_ = stream;
        return;
    }
    own_ = true;
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (PathOnlyReaches(path)) {
        // A regular file reached through /proc/ or /dev/ is open in some process: add to it
        // rather than overwrite what it holds.
        const bool regular = exists && S_ISREG(old.st_mode);
        fd_ = ::open(path.c_str(),
                     O_WRONLY | O_CREAT | O_NOCTTY | O_CLOEXEC | (regular ? O_APPEND : 0), 0666);
        if (fd_ < 0) error_ = errno;
        return;
    }
    // A symlink stays; the file it points to is replaced.
    std::error_code resolved;
    const std::string target = exists ? fs::canonical(path, resolved).string() : path;
    if (resolved) {
        error_ = resolved.value();
        return;
    }
    fd_ = OpenTemporaryBeside(target, temporary_);
    if (fd_ < 0) {
        error_ = errno;
        temporary_.clear();
    } else if (exists && ::fchmod(fd_, old.st_mode & 07777) != 0) {
        error_ = errno;
    }
}

PosixOutputFile::~PosixOutputFile() {
    if (own_ && fd_ >= 0) ::close(fd_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

int PosixOutputFile::Buffer::Flush() {
    const std::string_view bytes(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(bytes_, bytes_ + sizeof bytes_);
    if (file_.error_ == 0) file_.error_ = WriteAll(file_.fd_, bytes);
    return file_.error_ == 0 ? 0 : -1;
}

PosixOutputFile::Buffer::int_type PosixOutputFile::Buffer::overflow(int_type c) {
    if (Flush() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

std::string PosixOutputFile::Close() {
    buffer_.Flush();
    if (!temporary_.empty() && error_ == 0 && ::fsync(fd_) != 0 && errno != EINVAL) error_ = errno;
    if (own_ && fd_ >= 0 && ::close(fd_) != 0 && error_ == 0) error_ = errno;
    fd_ = -1;
    if (!temporary_.empty() && error_ == 0) {
        const std::string target = temporary_.substr(0, temporary_.rfind('.'));
        if (::rename(temporary_.c_str(), target.c_str()) != 0)
            error_ = errno;
        else
            temporary_.clear();
    }
    return error_ ? CannotWrite(path_, error_) : std::string();
}

std::string WriteOutputFile(const std::string& path, std::string_view bytes) {
    PosixOutputFile file(path);
    file.Stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.Close();
}

}  // namespace morvanta
