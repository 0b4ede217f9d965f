#pragma once
// The example document that ships with the program, in the JSON it is made from
// (data/example.json); it passes the declaration check.
#include <nlohmann/json.hpp>

namespace kvz {
class mTDeclaration;
}

namespace kvz::test {

nlohmann::json ExampleJson();
// Fills the declaration with the example.
void LoadExample(mTDeclaration& declaration);

}  // namespace kvz::test
