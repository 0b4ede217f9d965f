// kvarzen-cli over many documents, measured from outside as a user runs it: one
// process for a batch of 1 000 copies of the example against one process per
// document, whose start (reading the schema among others) the batch pays only once;
// and the batch's files written with a flush each against flushed in groups.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/replace_file.h"

extern char** environ;

namespace {

const std::string kCli = std::string(KVZ_BIN_DIR) + "/kvarzen-cli";
const std::string kExample = std::string(KVZ_BIN_DIR) + "/example.qz5";

// count copies of the example in a folder of their own, and a folder for the files.
class Documents {
public:
    explicit Documents(int count) {
        char pattern[] = "/tmp/kvz-batch-bench-XXXXXX";
        Root_ = ::mkdtemp(pattern);
        std::filesystem::create_directory(Out());
        for (int i = 0; i < count; ++i) {
            Paths_.push_back(Root_ + "/doc" + std::to_string(i) + ".qz5");
            std::filesystem::copy_file(kExample, Paths_.back());
        }
    }
    ~Documents() { std::filesystem::remove_all(Root_); }
    std::string Out() const { return Root_ + "/out"; }
    const std::vector<std::string>& Paths() const { return Paths_; }
    void EmptyOut() const {
        for (const auto& entry : std::filesystem::directory_iterator(Out())) std::filesystem::remove(entry.path());
    }

private:
    std::string Root_;
    std::vector<std::string> Paths_;
};

// Runs kvarzen-cli with its output thrown away; the exit code.
int RunCli(const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(kCli.c_str())};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, kCli.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> ExportArguments(const Documents& documents, const std::vector<std::string>& paths) {
    std::vector<std::string> arguments{"export", "--to", documents.Out()};
    arguments.insert(arguments.end(), paths.begin(), paths.end());
    return arguments;
}

// Runs the export of every document once an iteration, the written files removed
// outside the timing.
void TimeExports(benchmark::State& state, const Documents& documents) {
    const std::vector<std::string> arguments = ExportArguments(documents, documents.Paths());
    for (auto _ : state) {
        if (RunCli(arguments) != 0) state.SkipWithError("kvarzen-cli export failed");
        state.PauseTiming();
        documents.EmptyOut();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * documents.Paths().size()));
}

// One process exports state.range(0) documents.
void BM_BatchExport(benchmark::State& state) { TimeExports(state, Documents(static_cast<int>(state.range(0)))); }

// One process checks state.range(0) documents.
void BM_BatchCheck(benchmark::State& state) {
    const Documents documents(static_cast<int>(state.range(0)));
    std::vector<std::string> arguments{"check"};
    arguments.insert(arguments.end(), documents.Paths().begin(), documents.Paths().end());
    for (auto _ : state)
        if (RunCli(arguments) != 0) state.SkipWithError("kvarzen-cli check failed");
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

// A process for each document.
void BM_ProcessPerDocument(benchmark::State& state) { TimeExports(state, Documents(1)); }

// The files of a batch alone, 1 000 of an export file's size: each flushed on its own
// (a single save) against flushed a group at a time (state.range(0) files), in one
// run so that the ratio holds on a busy disk.
void WriteFiles(benchmark::State& state, std::size_t perGroup) {
    const Documents documents(0);
    const std::string bytes(8 * 1024, 'x');
    constexpr int kFiles = 1000;
    for (auto _ : state) {
        kvz::ReplaceFileGroup group;
        for (int i = 0; i < kFiles; ++i) {
            const std::string path = documents.Out() + "/" + std::to_string(i) + ".xml";
            if (perGroup == 0) {
                kvz::ReplaceFileContents(path, bytes);
                continue;
            }
            group.Add(path, bytes);
            if (group.Size() == perGroup) group.Commit();
        }
        group.Commit();
        state.PauseTiming();
        documents.EmptyOut();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kFiles);
}

void BM_FilesFlushedEach(benchmark::State& state) { WriteFiles(state, 0); }
void BM_FilesFlushedTogether(benchmark::State& state) { WriteFiles(state, static_cast<std::size_t>(state.range(0))); }

}  // namespace

BENCHMARK(BM_BatchExport)->Arg(1000)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchCheck)->Arg(1000)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProcessPerDocument)->Iterations(50)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilesFlushedEach)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilesFlushedTogether)->Arg(100)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
