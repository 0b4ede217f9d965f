#include "directory/activity_classifier.h"

#include "directory/atomic_file.h"
#include "directory/data_file_reader.h"

namespace kvz {

namespace {

class ClassifierReader : DataFileReader {
public:
    explicit ClassifierReader(const std::string& fileName)
        : DataFileReader("Справочник видов деятельности поврежден", fileName) {}

    ActivityClassifier Read(std::string_view bytes) const {
        return {ReadEntries<ActivityEntry>(bytes, [this](const xmlNode* node) { return ReadEntry(node); })};
    }

private:
    ActivityEntry ReadEntry(const xmlNode* node) const {
        const auto required = [&](const char* name) { return Required(node, name, Empty::Refused); };
        const std::string level = required("GRUP");
        if (level.size() != 1 || level[0] < '1' || level[0] > '0' + kActivityLevels)
            Damaged(node, "неверный уровень «" + level + "»");
        return {level[0] - '0', required("Kod"), required("OKVED"), required("Name")};
    }
};

}  // namespace

ActivityClassifier ParseActivityClassifier(std::string_view bytes, const std::string& fileName) {
    return ClassifierReader(fileName).Read(bytes);
}

ActivityClassifier ReadActivityClassifier(const std::string& path) {
    return ParseActivityClassifier(ReadWholeFile(path), path);
}

}  // namespace kvz
