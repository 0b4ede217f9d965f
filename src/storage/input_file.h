#pragma once
// Reading a whole input file that the user hands to the program (the JSON of a
// document, a bank's rate file, the classifier table, the directory files). Only a
// plain file of a stated size is read, so a device such as /dev/zero, a pipe or a
// folder is refused at once instead of filling the memory.
#include <cstddef>
#include <string>

#include "storage/message_error.h"

namespace kvz {

// Far above any real document, rate file or classifier table.
inline constexpr std::size_t kMaxInputFileBytes = 64u * 1024u * 1024u;

// An input file that cannot be read; the message names the file and says why.
using EInputFileError = MessageError<struct InputFileErrorTag>;

std::string ReadInputFile(const std::string& path, std::size_t limit = kMaxInputFileBytes);

}  // namespace kvz
