#include "print/barcode_plan.h"

#include <algorithm>
#include <cstdint>

namespace kvz {

namespace {

std::size_t CeilDiv(std::size_t a, std::size_t b) { return (a + b - 1) / b; }

}  // namespace

std::size_t BarcodePlan::ExtraPages() const { return Pages.size() > FormPages ? Pages.size() - FormPages : 0; }

std::string MacroFileId(std::string_view fileBytes) {
    // FNV-1a over the bytes.
    uint32_t hash = 2166136261u;
    for (const char c : fileBytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    std::string id;
    for (int group = 0; group < 3; ++group) {
        const unsigned value = hash % 900u;
        hash /= 900u;
        const std::string digits = std::to_string(value);
        id += std::string(3 - digits.size(), '0') + digits;
    }
    return id;
}

BarcodePlan PlanBarcodes(std::string_view fileBytes, std::size_t formPages) {
    formPages = std::max<std::size_t>(formPages, 1);
    BarcodePlan plan;
    plan.FileId = MacroFileId(fileBytes);
    plan.FormPages = formPages;
    const std::size_t total = fileBytes.size();
    // One symbol a page at least; more when the file needs them.
    const std::size_t count = std::max(formPages, CeilDiv(std::max<std::size_t>(total, 1), kMaxSegmentBytes));
    plan.SegmentCount = count;

    // Equal shares, the first ones a byte longer.
    std::vector<BarcodeSegment> segments;
    std::size_t offset = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t size = total / count + (i < total % count ? 1 : 0);
        segments.push_back({i, offset, size});
        offset += size;
    }

    // Form pages take up to kSymbolsPerFormPage each, evenly; the rest go on pages of
    // their own.
    const std::size_t onForm = std::min(count, formPages * kSymbolsPerFormPage);
    std::size_t next = 0;
    for (std::size_t page = 0; page < formPages; ++page) {
        const std::size_t take = onForm / formPages + (page < onForm % formPages ? 1 : 0);
        plan.Pages.emplace_back(segments.begin() + static_cast<std::ptrdiff_t>(next),
                                segments.begin() + static_cast<std::ptrdiff_t>(next + take));
        next += take;
    }
    while (next < count) {
        const std::size_t take = std::min(kSymbolsPerBarcodePage, count - next);
        plan.Pages.emplace_back(segments.begin() + static_cast<std::ptrdiff_t>(next),
                                segments.begin() + static_cast<std::ptrdiff_t>(next + take));
        next += take;
    }
    return plan;
}

}  // namespace kvz
