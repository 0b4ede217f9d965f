#define ZX_USE_UTF8 1
#include "print/printout_reader.h"

#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "support/temp_dir.h"

namespace kvz::test {

namespace {

std::string Run(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return out;
}

std::vector<ReadSymbol> DecodePgm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    EXPECT_EQ(magic, "P5") << path;
    std::vector<uint8_t> pixels(static_cast<std::size_t>(width) * height);
    in.read(reinterpret_cast<char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::PDF417);
    hints.setTryHarder(true);
    std::vector<ReadSymbol> symbols;
    for (const ZXing::Result& result :
         ZXing::ReadBarcodes(ZXing::ImageView(pixels.data(), width, height, ZXing::ImageFormat::Lum), hints)) {
        if (!result.isValid()) continue;
        symbols.push_back({result.sequenceIndex(), result.sequenceSize(), result.sequenceId(),
                           std::string(result.bytes().begin(), result.bytes().end())});
    }
    return symbols;
}

}  // namespace

std::string Printout::Joined() const {
    std::map<int, std::string> parts;
    std::set<std::string> ids;
    std::set<int> counts;
    for (const auto& page : Pages) {
        for (const ReadSymbol& symbol : page) {
            if (!parts.emplace(symbol.Index, symbol.Bytes).second) return std::string();
            ids.insert(symbol.FileId);
            counts.insert(symbol.Count);
        }
    }
    if (ids.size() != 1 || counts.size() != 1 || static_cast<int>(parts.size()) != *counts.begin()) return std::string();
    std::string joined;
    int expected = 0;
    for (const auto& [index, bytes] : parts) {
        if (index != expected++) return std::string();
        joined += bytes;
    }
    return joined;
}

Printout ReadPrintout(const std::string& pdfPath) {
    TempDir images;
    Run("pdftoppm -r 300 -gray '" + pdfPath + "' '" + images.File("page") + "'");
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(images.Path())) files.push_back(entry.path().string());
    // pdftoppm numbers the pages with as many digits as the count needs.
    std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    Printout printout;
    for (const std::string& file : files) printout.Pages.push_back(DecodePgm(file));
    return printout;
}

std::string PrintedText(const std::string& pdfPath) {
    const std::string raw = Run("pdftotext -layout '" + pdfPath + "' -");
    std::string text;
    for (const char c : raw)
        if (c != ' ') text += c;
    return text;
}

}  // namespace kvz::test
