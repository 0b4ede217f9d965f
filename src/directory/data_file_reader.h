#pragma once
// What the readers of the XML data files share: every complaint names the file and
// the line of the element at fault, after the reader's own title.
#include <string>
#include <string_view>
#include <vector>

#include "directory/xml_document.h"

namespace kvz {

class DataFileReader {
protected:
    enum class Empty { Allowed, Refused };

    // `title` says what is damaged ("Файл курсов валют поврежден").
    DataFileReader(const std::string& title, const std::string& fileName);

    XmlDocument Parse(std::string_view bytes) const;
    // What `read` makes of each child element of the root, in file order.
    template <class T, class Read>
    std::vector<T> ReadEntries(std::string_view bytes, Read read) const {
        XmlDocument doc = Parse(bytes);
        std::vector<T> entries;
        for (xmlNode* node : ChildElements(RootElement(doc))) entries.push_back(read(node));
        return entries;
    }
    // Throws EDataFileError.
    [[noreturn]] void Damaged(const xmlNode* node, const std::string& what) const;
    // The attribute as it stands; a missing one is damage, and so is an empty one if refused.
    std::string Required(const xmlNode* node, const char* name, Empty empty = Empty::Allowed) const;

private:
    std::string Prefix_;
};

}  // namespace kvz
