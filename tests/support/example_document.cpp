#include "support/example_document.h"

#include <fstream>
#include <stdexcept>

#include "model/declaration.h"
#include "model/declaration_json.h"

namespace kvz::test {

nlohmann::json ExampleJson() {
    std::ifstream in(KVZ_SOURCE_DIR "/data/example.json");
    if (!in) throw std::runtime_error("data/example.json cannot be read");
    return nlohmann::json::parse(in);
}

void LoadExample(mTDeclaration& declaration) { DeclarationFromJson(ExampleJson(), declaration); }

}  // namespace kvz::test
