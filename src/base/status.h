#pragma once

#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace tabrel {

// Success, or a failure with the words the user is to read (cp1250, as every text of the core).
// Storage returns it; the layer that talks to the user decides how to show it.
class [[nodiscard]] Status {
public:
    Status() = default;
    static Status failure(std::string message) {
        Status status;
        status.failed_ = true;
        status.message_ = std::move(message);
        return status;
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    // Empty on success, and for a failure the user has nothing more to read about.
    const std::string& message() const { return message_; }

private:
    bool failed_ = false;
    std::string message_;
};

// A value, or the failure that kept it from being made.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Status failure) : state_(std::move(failure)) { assert(!std::get<Status>(state_).ok()); }

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    Status status() const { return ok() ? Status() : std::get<Status>(state_); }
    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

private:
    std::variant<T, Status> state_;
};

}  // namespace tabrel
