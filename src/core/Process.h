// A process is a handler that waits on the virtual clock: a C++20 coroutine that
// suspends on the clock's awaitables (sleep, yield, hold) and is resumed by the clock.
// It starts running at once, up to its first wait, and frees itself when it ends.
// Whoever started it may ask whether it has finished and be told when it does.
#pragma once

#include <coroutine>
#include <exception>
#include <functional>
#include <memory>

namespace loopsim {

class Process {
  public:
    struct Completion {
        bool finished = false;
        std::function<void()> onFinished;
    };

    struct promise_type {
        std::shared_ptr<Completion> completion = std::make_shared<Completion>();

        Process get_return_object() { return Process(completion); }
        std::suspend_never initial_suspend() noexcept { return {}; }
        std::suspend_never final_suspend() noexcept { return {}; }
        void return_void() {
            completion->finished = true;
            if (completion->onFinished) {
                auto callback = std::move(completion->onFinished);
                callback();
            }
        }
        void unhandled_exception() { std::terminate(); }
    };

    bool finished() const { return completion_->finished; }

    // Runs callback when the process ends; at once if it has already ended.
    void whenFinished(std::function<void()> callback) {
        if (completion_->finished)
            callback();
        else
            completion_->onFinished = std::move(callback);
    }

  private:
    explicit Process(std::shared_ptr<Completion> completion) : completion_(std::move(completion)) {}
    std::shared_ptr<Completion> completion_;
};

}  // namespace loopsim
