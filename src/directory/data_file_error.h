#pragma once
// A data file of the program (a directory next to the program, or a file being
// imported into one) that cannot be read, understood or written. The message is
// the one shown to the user and names the file.
#include <stdexcept>
#include <string>

namespace kvz {

class EDataFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kvz
