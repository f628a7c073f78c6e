#include "headless/DumpOutput.h"

#include <cerrno>
#include <system_error>

namespace loopsim {

DumpOutput::DumpOutput(const std::optional<std::filesystem::path>& file,
                       std::ostream& standardOutput)
    : stream_(standardOutput) {
    if (!file)
        return;
    file_.emplace(*file);
    error_ = file_->error();
}

void DumpOutput::take(std::string_view dump) {
    if (error_)
        return;
    if (file_) {
        if (!file_->write(dump) || !file_->write("\n"))
            error_ = file_->error();
        return;
    }
    errno = 0;
    stream_ << dump << '\n';
    checkStream();
}

std::optional<std::string> DumpOutput::finish() {
    if (error_)
        return error_;
    if (file_) {
        error_ = file_->commit();
        return error_;
    }
    errno = 0;
    stream_.flush();
    checkStream();
    return error_;
}

void DumpOutput::abandon() {
    if (file_)
        file_->abandon();
}

// The stream keeps no reason; the system's is still in errno right after the failed write.
void DumpOutput::checkStream() {
    if (stream_)
        return;
    const int reason = errno;
    error_ =
        "cannot write the dumps to the standard output: " +
        (reason != 0 ? std::system_category().message(reason) : std::string("the output failed"));
}

}  // namespace loopsim
