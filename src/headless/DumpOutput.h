// Where the state dumps go as they are taken, one JSON line each: the --dump file, through
// its temporary file until the run has played, or the standard output. Nothing is held back
// in memory; a failed write is kept as the error and later dumps are dropped.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "files/OutputFile.h"

namespace loopsim {

class DumpOutput {
  public:
    // To the file when one is given, else to the standard output.
    DumpOutput(const std::optional<std::filesystem::path>& file, std::ostream& standardOutput);

    void take(std::string_view dump);
    // The dump file put in its place, the standard output flushed; the error, or nothing.
    std::optional<std::string> finish();
    // A run that writes nothing: the dump file is left as it was.
    void abandon();

    const std::optional<std::string>& error() const { return error_; }

  private:
    void checkStream();

    std::optional<OutputFile> file_;
    std::ostream& stream_;
    std::optional<std::string> error_;
};

}  // namespace loopsim
