#pragma once
#include <exception>

// A screen that handles the errors raised by its own event handlers (the
// maintenance and inquiry bases). The application hands an uncaught error to
// the nearest such screen above the object whose event raised it.
class ScreenErrorHandler {
public:
    virtual ~ScreenErrorHandler() = default;
    virtual void HandleAppError(std::exception_ptr error) = 0;
};
