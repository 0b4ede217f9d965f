#pragma once
// The taxpayer of a document made from a certificate: name, ИНН, birth date,
// citizenship, identity document and address as the agent states them, with the
// names of codes taken from the program's directories as the window takes them.
namespace kvz {

class mTPersonInformation;
struct Ndfl2Person;

void FillTaxpayer(mTPersonInformation& person, const Ndfl2Person& from);

}  // namespace kvz
