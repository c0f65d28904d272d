#pragma once

// One way to fail: an operation that can fail returns a Result, which holds either its value or
// a Failure that says what failed and where (the file, and the line of it when there is one).
// Nothing is thrown; the caller decides whether to show the failure, pass it on or go on.
//
//     Result<std::string> text = readFile(path);
//     if (!text) return text.error();           // pass the failure on
//     use(*text);
//
//     Status saved = writeFileAtomic(path, content);
//     if (!saved) ui.message(MessageKind::Error, saved.error().text());

#include <string>
#include <utility>
#include <variant>

namespace orrery {

struct Failure {
    std::string message; // what failed, as the user reads it
    std::string file;    // the file involved; empty when none
    int line = 0;        // its line (from 1); 0 when none

    Failure() = default;
    explicit Failure(std::string what, std::string where = {}, int lineNumber = 0)
        : message(std::move(what)), file(std::move(where)), line(lineNumber)
    {
    }

    // The message, preceded by "file, line n: " when a line is known.
    std::string text() const
    {
        if (line <= 0) return message;
        return (file.empty() ? std::string("line ") : file + ", line ") + std::to_string(line) + ": " + message;
    }
    bool operator==(const Failure&) const = default;
};

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    // The value, or the given one when the operation failed.
    T valueOr(T other) const& { return ok() ? value() : std::move(other); }

    const Failure& error() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure> state_;
};

// The result of an operation that gives nothing back but may fail.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Failure& error() const { return failure_; }

private:
    Failure failure_;
    bool failed_ = false;
};

using Status = Result<void>;

// Keeps the first failure of several steps that all run: a later step does not hide an earlier
// failure, and a success does not clear one.
inline void keepFirst(Status& first, Status next)
{
    if (first.ok() && !next.ok()) first = std::move(next);
}

} // namespace orrery
