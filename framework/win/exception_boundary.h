// The exception boundary of every callback the system makes into the framework
// (window procedures, hooks): an exception must not unwind through the system's
// code, so whatever escapes a handler is caught here and reported to the user in
// a message box, and the callback answers as if the message had been ignored.
#pragma once

#include <exception>
#include <stdexcept>

// A fault in the program's own code that the framework detects while running
// (data exchange with a control id the window does not have). It is not the
// user's doing and no retry mends it: it is reported like any escaped exception,
// with a text that names what is wrong and where, and the operation is abandoned
// while the program goes on.
class ProgrammingError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Tells the user that an operation failed with the escaped exception; never throws.
void ReportEscapedException(const std::exception_ptr& escaped) noexcept;

template <class Result, class Function>
Result CallGuarded(Function&& function, Result failed) noexcept
{
    try {
        return function();
    } catch (...) {
        ReportEscapedException(std::current_exception());
        return failed;
    }
}

template <class Function>
void CallGuarded(Function&& function) noexcept
{
    try {
        function();
    } catch (...) {
        ReportEscapedException(std::current_exception());
    }
}
