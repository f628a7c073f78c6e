// Where the window writes down every action of a session with its virtual time, so the
// session can be played again by the runner. The window's clock changes (pause, resume,
// speed) go here as well. This is the one place the window logs through.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Action.h"
#include "core/SimClock.h"

namespace loopsim {

class SessionLog {
  public:
    virtual ~SessionLog() = default;
    // A remark for the person reading the log (a comment line in the scenario file).
    virtual void note(const std::string&) {}
    virtual void record(Millis time, const Action& action) = 0;
    // The session has ended, by its exit path or without saving: nothing more comes.
    virtual void finish() {}
    // A new session of the same program run writes its log afresh, in the same place.
    virtual void reopen() {}
    // Why the log could not be written, once it could not: the session then runs without
    // the log that would rebuild its recording after a crash.
    virtual std::optional<std::string> error() const { return std::nullopt; }
};

class NullSessionLog : public SessionLog {
  public:
    void record(Millis, const Action&) override {}
};

class MemorySessionLog : public SessionLog {
  public:
    struct Entry {
        Millis time;
        Action action;
    };
    void record(Millis time, const Action& action) override { entries.push_back({time, action}); }

    std::vector<Entry> entries;
};

}  // namespace loopsim
