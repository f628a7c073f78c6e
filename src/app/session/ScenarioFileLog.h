// The session log on disk: every action of the session as a scenario line with its virtual
// time, in the file the runner plays. The file is made at the first line written, so a
// session that never starts leaves nothing behind, and each line is flushed as it is
// written, so the log of a session that ends abruptly holds everything up to that moment.
// A session that ends, whichever way, ends its log with the end note; a log without it is
// a lost session's, whose recording can be rebuilt from it.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/session/SessionLog.h"
#include "files/LostSession.h"

namespace loopsim {

class ScenarioFileLog : public SessionLog {
  public:
    explicit ScenarioFileLog(std::filesystem::path path);

    void note(const std::string& text) override;
    void record(Millis time, const Action& action) override;
    void finish() override;
    void reopen() override;

    const std::filesystem::path& path() const { return path_; }
    // Why the file could not be written, in words for the user (a folder in its place, a
    // read-only folder), once it could not; the session runs on regardless.
    std::optional<std::string> error() const override { return error_; }

  private:
    bool ensureOpen();
    void writeLine(const std::string& line);

    std::filesystem::path path_;
    std::ofstream out_;
    bool opened_ = false;
    bool finished_ = false;
    std::optional<std::string> error_;
};

}  // namespace loopsim
