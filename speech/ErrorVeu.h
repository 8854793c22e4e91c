#pragma once

#include <stdexcept>

// A call on a voice object that failed: no such class, an engine in error,
// a place outside the voice list, a voice that no longer exists.
class ErrorVeu : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
