#include "checks/findings_report.h"

#include "calc/result_summary.h"
#include "calc/result_summary_text.h"

namespace kvz {

std::string CheckPassedText(const mTDeclaration& declaration) {
    return std::string(kCheckPassedText) + "\n" + ResultHeadline(SummarizeResult(declaration));
}

std::string FindingsText(const CheckFindings& findings) {
    if (findings.empty()) return std::string(kCheckPassedText) + "\n";
    std::string out;
    for (const CheckFinding& f : findings) {
        out += "раздел " + std::to_string(f.section) + ", поле " + std::to_string(f.field) + " (" +
               f.sectionTitle + "): " + f.message + "\n";
    }
    return out;
}

nlohmann::ordered_json FindingsJson(const CheckFindings& findings) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const CheckFinding& f : findings) {
        list.push_back({{"section", f.section},
                        {"sectionTitle", f.sectionTitle},
                        {"field", f.field},
                        {"message", f.message}});
    }
    return {{"passed", findings.empty()}, {"findings", list}};
}

}  // namespace kvz
