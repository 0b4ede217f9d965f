#pragma once
// The program's version, set once by the build from the project's version: the
// about box shows it and the exported files carry it in ВерсПрог.
namespace kvz {

inline constexpr const char* kProgramVersion = KVZ_PROGRAM_VERSION;

}  // namespace kvz
