// The files the simulator writes (recording, settings, dumps) are written whole or not at
// all: the bytes go to FILE.partial beside the file and a rename puts them in its place, so a
// crash, a full disk or a failed write leaves the old file as it was and no temporary file
// behind. A symbolic link is written through: the file it points to gets the new bytes, with
// the old file's permissions, and the link stays a link. Errors name the file as it was given
// and the system's reason.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace loopsim {

// The path a name ends at once its symbolic links are followed (the name itself when it is
// not a link, or a link to nothing yet); nothing for a loop of links.
std::optional<std::filesystem::path> followedLinks(const std::filesystem::path& path);

// What is in the way of writing a file at path: nothing when it is absent or a regular file
// (through its links), else what it is ("a folder", "a device", ...).
std::optional<std::string> notAFileToWrite(const std::filesystem::path& path);

// True when both names lead to one file, through links, hard links and other spellings.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

class OutputFile {
  public:
    // Creates the temporary file; error() says when that failed.
    explicit OutputFile(const std::filesystem::path& path);
    // Removes the temporary file unless it was put in place.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Appends bytes; false once anything has failed (the temporary is then gone).
    bool write(std::string_view bytes);
    // Puts what was written in the file's place; the error, or nothing.
    std::optional<std::string> commit();
    // Gives up: removes the temporary file, leaves the file as it was.
    void abandon();

    const std::optional<std::string>& error() const { return error_; }

  private:
    bool flushBuffer();
    bool writeOut(std::string_view bytes);
    void fail(const std::string& reason);

    std::filesystem::path named_;        // as given, for messages
    std::filesystem::path destination_;  // where the links lead
    std::filesystem::path temporary_;
    int descriptor_ = -1;
    bool temporaryExists_ = false;
    std::string buffer_;
    std::optional<std::string> error_;
};

// The whole file at once; the error, or nothing.
std::optional<std::string> writeWholeFile(const std::filesystem::path& path,
                                          std::string_view bytes);

}  // namespace loopsim
