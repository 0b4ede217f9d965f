#include "cli/batch.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

namespace kvz::cli {

namespace {

// Rewrites the progress line in place; only a terminal gets it, a log never does.
class ProgressLine {
public:
    explicit ProgressLine(std::size_t total) : Total_(total), Shown_(::isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() { Clear(); }

    void Show(std::size_t done) {
        if (!Shown_) return;
        std::cerr << "\r\033[KОбработано " << done << " из " << Total_ << std::flush;
    }
    // Makes room for an outcome line when stdout is the same terminal.
    void Clear() {
        if (Shown_) std::cerr << "\r\033[K" << std::flush;
    }

private:
    std::size_t Total_;
    bool Shown_;
};

// Settles a group and prints its lines; the number that succeeded.
std::size_t FinishGroup(const std::vector<std::string>& paths, std::size_t first, std::vector<DocumentOutcome>& outcomes,
                        const BatchLine& lineOf, const BatchGroup& group, ProgressLine& progress) {
    if (group.Settle) {
        try {
            group.Settle(outcomes);
        } catch (const std::exception& e) {
            // Nothing of the group can be vouched for.
            for (DocumentOutcome& o : outcomes)
                if (o.Succeeded) o = {false, kBatchErrorWord + std::string(e.what())};
        }
    }
    std::size_t succeeded = 0;
    progress.Clear();
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        if (outcomes[i].Succeeded) ++succeeded;
        std::cout << lineOf(paths[first + i], outcomes[i]) << std::endl;
    }
    outcomes.clear();
    return succeeded;
}

}  // namespace

std::string OutcomeLine(const std::string& path, const DocumentOutcome& outcome) {
    std::string text = outcome.Text;
    while (!text.empty() && text.back() == '\n') text.pop_back();
    std::string line = path + ": ";
    for (char c : text) {
        if (c == '\n')
            line += "; ";
        else if (c != '\r')
            line += c;
    }
    return line;
}

int RunBatch(const std::vector<std::string>& paths, const std::function<DocumentOutcome(const std::string&)>& one,
             const char* succeededWord, const char* failedWord, const BatchLine& lineOf, const BatchGroup& group) {
    ProgressLine progress(paths.size());
    const std::size_t groupSize = std::max<std::size_t>(group.Size, 1);
    std::vector<DocumentOutcome> pending;
    std::size_t succeeded = 0;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        try {
            pending.push_back(one(paths[i]));
        } catch (const std::exception& e) {
            // Whatever one document does wrong, the others still get their turn.
            pending.push_back({false, kBatchErrorWord + std::string(e.what())});
        }
        if (pending.size() == groupSize || i + 1 == paths.size())
            succeeded += FinishGroup(paths, i + 1 - pending.size(), pending, lineOf, group, progress);
        progress.Show(i + 1);
    }
    progress.Clear();
    std::cerr << "Документов: " << paths.size() << ", " << succeededWord << ": " << succeeded
              << ", " << failedWord << ": " << paths.size() - succeeded << "\n";
    return succeeded == paths.size() ? 0 : 1;
}

}  // namespace kvz::cli
