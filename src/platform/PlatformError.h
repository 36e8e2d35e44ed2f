#pragma once

#include <QLoggingCategory>
#include <QString>
#include <cstdint>
#include <source_location>
#include <stdexcept>

// A failure reported by the platform layer: an error number in the codes the rest of
// the program reports ("Error occurred while saving document: 70 Access denied.") and
// a description. Handlers that "skip and go on" catch it at the statement.
class PlatformError : public std::runtime_error {
public:
    PlatformError(int32_t number, const QString& description)
        : std::runtime_error(description.toStdString()), Number(number), Description(description) {}

    int32_t Number;
    QString Description;
};

namespace ErrorCode {
constexpr int32_t InvalidArgument = 5;
constexpr int32_t AccessDenied = 70;
constexpr int32_t CancelError = 32755; // a common dialog was cancelled
constexpr int32_t FileNotFound = static_cast<int32_t>(0x80070002u);
constexpr int32_t PathNotFound = static_cast<int32_t>(0x80070003u);
constexpr int32_t DiskFull = static_cast<int32_t>(0x80070027u);
constexpr int32_t Unexpected = static_cast<int32_t>(0x8000FFFFu);
constexpr int32_t Frameset = static_cast<int32_t>(0x80100001u);
constexpr int32_t ServerScript = static_cast<int32_t>(0x80100002u);
constexpr int32_t NotAWebPage = static_cast<int32_t>(0x80100003u); // binary content
constexpr int32_t NotSupported = static_cast<int32_t>(0x80040100u);
constexpr int32_t Timeout = static_cast<int32_t>(0x800705B4u);
} // namespace ErrorCode

// Failures that a handler skipped on purpose. Off by default; on, each skip writes where
// it happened and what was thrown, so a fault inside a skipped statement is not mistaken
// for "nothing happened" (the tests switch it on).
Q_DECLARE_LOGGING_CATEGORY(lcSkipped)

// Writes the exception being handled to lcSkipped, as thrown at where. Call it only
// inside a catch block.
void traceSkipped(const std::source_location& where) noexcept;

// Runs one statement of a handler that skips failures: whatever it throws is dropped,
// leaving its trace, and the handler goes on with its next statement.
template <class F>
void skipErrors(F&& statement,
                std::source_location where = std::source_location::current()) noexcept {
    try {
        statement();
    } catch (...) {
        traceSkipped(where);
    }
}
