#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace norvane {

// The message of a failed operation, worded for the user.
struct Error {
    std::string message;
};

// A value, or the message that explains why there is none.
template <typename T>
class Result {
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(Error error) : m_state(std::move(error)) {}

    [[nodiscard]] bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    [[nodiscard]] const T &value() const & { return std::get<T>(m_state); }
    [[nodiscard]] T &value() & { return std::get<T>(m_state); }
    [[nodiscard]] T &&value() && { return std::get<T>(std::move(m_state)); }
    [[nodiscard]] const std::string &error() const { return std::get<Error>(m_state).message; }

private:
    std::variant<T, Error> m_state;
};

// Success, or the message that explains the failure.
template <>
class Result<void> {
public:
    Result() = default;
    Result(Error error) : m_error(std::move(error.message)) {}

    [[nodiscard]] bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const std::string &error() const { return *m_error; }

private:
    std::optional<std::string> m_error;
};

} // namespace norvane
