#include "files/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace loopsim {
namespace {

namespace fs = std::filesystem;

// The system's own limit on the links followed in one path.
constexpr int kMostLinksFollowed = 40;
// Bytes gathered before they go to the file: dumps come a few kilobytes at a time.
constexpr std::size_t kBufferSize = 1 << 16;

std::string systemReason(int error) {
    return std::system_category().message(error);
}

std::string kindOf(fs::file_type type) {
    switch (type) {
        case fs::file_type::directory:
            return "a folder";
        case fs::file_type::block:
        case fs::file_type::character:
            return "a device";
        case fs::file_type::fifo:
            return "a named pipe";
        case fs::file_type::socket:
            return "a socket";
        default:
            return "a special file";
    }
}

}  // namespace

std::optional<fs::path> followedLinks(const fs::path& path) {
    fs::path current = path;
    for (int followed = 0; followed <= kMostLinksFollowed; ++followed) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            return current;
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            return current;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return std::nullopt;
}

std::optional<std::string> notAFileToWrite(const fs::path& path) {
    const auto destination = followedLinks(path);
    if (!destination)
        return "a loop of symbolic links";
    std::error_code error;
    const fs::file_type type = fs::status(*destination, error).type();
    // A name the system cannot look at (none) is left to the writing, which says why.
    if (type == fs::file_type::regular || type == fs::file_type::not_found ||
        type == fs::file_type::none)
        return std::nullopt;
    return kindOf(type);
}

bool sameFile(const fs::path& a, const fs::path& b) {
    const auto first = followedLinks(a);
    const auto second = followedLinks(b);
    if (!first || !second)
        return false;
    std::error_code error;
    if (fs::exists(*first, error) && fs::exists(*second, error))
        return fs::equivalent(*first, *second, error) && !error;
    std::error_code otherError;
    const fs::path firstName = fs::weakly_canonical(*first, error);
    const fs::path secondName = fs::weakly_canonical(*second, otherError);
    return !error && !otherError && firstName == secondName;
}

OutputFile::OutputFile(const fs::path& path) : named_(path) {
    const auto destination = followedLinks(path);
    if (!destination) {
        fail(systemReason(ELOOP));
        return;
    }
    destination_ = *destination;
    temporary_ = destination_;
    temporary_ += ".partial";
    for (int attempt = 0; attempt < 2 && descriptor_ < 0; ++attempt) {
        descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ >= 0)
            break;
        if (errno != EEXIST) {
            fail(systemReason(errno));
            return;
        }
        // A temporary file left by a program that was killed is taken over; anything else
        // there is not ours to remove.
        std::error_code error;
        const fs::file_status left = fs::symlink_status(temporary_, error);
        if (left.type() != fs::file_type::regular && left.type() != fs::file_type::symlink) {
            fail(temporary_.string() + " is in the way (" + kindOf(left.type()) + ")");
            return;
        }
        fs::remove(temporary_, error);
    }
    if (descriptor_ < 0) {
        fail(systemReason(EEXIST));
        return;
    }
    temporaryExists_ = true;
    struct stat old {};
    if (::stat(destination_.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(descriptor_, old.st_mode & 07777);
}

OutputFile::~OutputFile() {
    abandon();
}

bool OutputFile::write(std::string_view bytes) {
    if (error_ || descriptor_ < 0)
        return false;
    if (buffer_.empty() && bytes.size() >= kBufferSize)
        return writeOut(bytes);
    buffer_.append(bytes);
    return buffer_.size() < kBufferSize || flushBuffer();
}

bool OutputFile::flushBuffer() {
    if (!writeOut(buffer_))
        return false;
    buffer_.clear();
    return true;
}

bool OutputFile::writeOut(std::string_view rest) {
    while (!rest.empty()) {
        const ssize_t written = ::write(descriptor_, rest.data(), rest.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            fail(systemReason(written < 0 ? errno : ENOSPC));
            return false;
        }
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::optional<std::string> OutputFile::commit() {
    if (error_ || descriptor_ < 0 || !flushBuffer())
        return error_;
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0) {
        fail(systemReason(errno));
        return error_;
    }
    if (::rename(temporary_.c_str(), destination_.c_str()) != 0) {
        fail(systemReason(errno));
        return error_;
    }
    temporaryExists_ = false;
    return std::nullopt;
}

void OutputFile::abandon() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    if (temporaryExists_)
        ::unlink(temporary_.c_str());
    temporaryExists_ = false;
    buffer_.clear();
}

void OutputFile::fail(const std::string& reason) {
    abandon();
    if (!error_)
        error_ = "cannot write " + named_.string() + ": " + reason;
}

std::optional<std::string> writeWholeFile(const fs::path& path, std::string_view bytes) {
    OutputFile file(path);
    file.write(bytes);
    return file.commit();
}

}  // namespace loopsim
