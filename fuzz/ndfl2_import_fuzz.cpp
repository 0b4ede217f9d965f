// Any bytes given as an employer's income certificate file. The reader ends in
// certificates or in its refusal; certificates that are read are planned for each
// person found and carried into a fresh declaration, and carrying the same plan in a
// second time must leave that declaration exactly as it was.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "import/ndfl2_apply.h"
#include "import/ndfl2_reader.h"
#include "model/declaration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<kvz::Ndfl2File> files;
    try {
        files.push_back(kvz::ParseNdfl2File(bytes, "f.xml", KVZ_NDFL2_SCHEMA));
    } catch (const kvz::ENdfl2Refused&) {
        return 0;
    }
    for (const kvz::Ndfl2PersonId& person : kvz::PeopleFound(files)) {
        kvz::Ndfl2Plan plan;
        try {
            plan = kvz::PlanNdfl2Import(files, {}, person);
        } catch (const kvz::ENdfl2Refused&) {
            continue;
        } catch (const std::overflow_error&) {
            continue;  // sums past the money type's range are refused by it
        }
        kvz::mTDeclaration once, twice;
        try {
            kvz::ApplyNdfl2Plan(once, plan, true);
        } catch (const std::overflow_error&) {
            continue;  // sums past the money type's range are refused by it
        }
        kvz::ApplyNdfl2Plan(twice, plan, true);
        const kvz::Ndfl2ImportReport again = kvz::ApplyNdfl2Plan(twice, plan, false);
        if (!(once == twice) || !again.Added.empty()) __builtin_trap();
        (void)kvz::ReportJson(again).dump();
        (void)kvz::ReportText(again);
    }
    return 0;
}
