#pragma once
// A failure that carries nothing but its message. Each kind is a type of its own,
// told apart by its tag, so that a caller catches exactly the failures it can
// handle and lets the others pass.
#include <stdexcept>

namespace kvz {

template <class Tag>
class MessageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kvz
