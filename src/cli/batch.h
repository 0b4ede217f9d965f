#pragma once
// Many documents in one process: each document's outcome is one line on stdout, a
// bad document never stops the rest, and the exit code says whether all succeeded.
#include <functional>
#include <string>
#include <vector>

namespace kvz::cli {

// What a command made of one document: the result (a file name, a verdict) or why
// there is none. Texts may span several lines.
struct DocumentOutcome {
    bool Succeeded = false;
    std::string Text;
};

// Begins the line of a document that could not be read or processed.
inline constexpr const char* kBatchErrorWord = "ошибка: ";

// The outcome as one line: "FILE: text", line breaks of the text joined by "; ".
std::string OutcomeLine(const std::string& path, const DocumentOutcome& outcome);

using BatchLine = std::function<std::string(const std::string& path, const DocumentOutcome& outcome)>;

// A command whose results become final only in groups (files flushed to disk
// together): Settle gets the outcomes of every Size documents, and of the rest at
// the end, before their lines are printed, and may turn a success into a failure.
struct BatchGroup {
    std::size_t Size = 1;
    std::function<void(std::vector<DocumentOutcome>&)> Settle;
};

// Runs one for every path in order, printing the outcome lines in order as each
// group is settled (and a progress line on stderr when stderr is a terminal) and a
// summary on stderr at the end. lineOf makes the line of an outcome. Returns 0 when
// every document succeeded, else 1.
int RunBatch(const std::vector<std::string>& paths, const std::function<DocumentOutcome(const std::string&)>& one,
             const char* succeededWord, const char* failedWord, const BatchLine& lineOf = OutcomeLine,
             const BatchGroup& group = {});

}  // namespace kvz::cli
