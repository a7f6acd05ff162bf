#pragma once

#include "data/EngineError.h"

#include <QObject>
#include <utility>

namespace platform {

// Shows an engine error that no handler caught.
void reportError(const data::EngineError &error);

// Wraps a window's handler: an engine error it does not catch ends the
// handler and is shown to the user, as the windows expect.
template <class Body> auto handler(Body body)
{
    return [body = std::move(body)]() mutable {
        try {
            body();
        } catch (const data::EngineError &error) {
            reportError(error);
        }
    };
}

// Makes F1 open the help contents from every window of the program, and
// shows the errors that record sources meet while their windows close.
void installApplicationHooks(QObject *application);

} // namespace platform
