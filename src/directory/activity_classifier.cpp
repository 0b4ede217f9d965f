#include "directory/activity_classifier.h"

#include "directory/atomic_file.h"
#include "directory/data_file_error.h"
#include "directory/xml_document.h"

namespace kvz {

namespace {

class ClassifierReader {
public:
    explicit ClassifierReader(const std::string& fileName) : FileName_(fileName) {}

    ActivityClassifier Read(std::string_view bytes) const {
        XmlDocument doc = ParseXml(bytes, Prefix());
        ActivityClassifier classifier;
        for (xmlNode* node : ChildElements(RootElement(doc))) classifier.Entries.push_back(ReadEntry(node));
        return classifier;
    }

private:
    std::string Prefix() const { return "Справочник видов деятельности поврежден: " + FileName_ + ": "; }

    [[noreturn]] void Damaged(const xmlNode* node, const std::string& what) const {
        throw EDataFileError(Prefix() + "строка " + std::to_string(xmlGetLineNo(node)) + ": " + what);
    }

    std::string Required(const xmlNode* node, const char* name) const {
        auto value = Attribute(node, name);
        if (!value || value->empty()) Damaged(node, std::string("нет атрибута ") + name);
        return *value;
    }

    ActivityEntry ReadEntry(const xmlNode* node) const {
        const std::string level = Required(node, "GRUP");
        if (level.size() != 1 || level[0] < '1' || level[0] > '0' + kActivityLevels)
            Damaged(node, "неверный уровень «" + level + "»");
        return {level[0] - '0', Required(node, "Kod"), Required(node, "OKVED"), Required(node, "Name")};
    }

    std::string FileName_;
};

}  // namespace

ActivityClassifier ParseActivityClassifier(std::string_view bytes, const std::string& fileName) {
    return ClassifierReader(fileName).Read(bytes);
}

ActivityClassifier ReadActivityClassifier(const std::string& path) {
    return ParseActivityClassifier(ReadWholeFile(path), path);
}

}  // namespace kvz
