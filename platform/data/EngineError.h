#pragma once

#include <QString>
#include <stdexcept>

namespace data {

// The one error type of the data engine. Its message is written for the user.
class EngineError : public std::runtime_error {
public:
    explicit EngineError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString &message() const { return message_; }

private:
    QString message_;
};

} // namespace data
