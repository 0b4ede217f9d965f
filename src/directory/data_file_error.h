#pragma once
// A data file of the program (a directory next to the program, or a file being
// imported into one) that cannot be read, understood or written. The message is
// the one shown to the user and names the file.
#include <string>

#include "storage/message_error.h"

namespace kvz {

using EDataFileError = MessageError<struct DataFileErrorTag>;

}  // namespace kvz
