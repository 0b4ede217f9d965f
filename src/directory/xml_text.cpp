#include "directory/xml_text.h"

#include "storage/errors.h"

namespace kvz {

std::string EscapeXml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            // Written as references so that they read back unchanged in attributes too.
            case '\t': out += "&#9;"; break;
            case '\n': out += "&#10;"; break;
            case '\r': out += "&#13;"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20)
                    throw EEncodingError("Управляющий символ с кодом " +
                                         std::to_string(static_cast<int>(c)) + " не может быть записан в XML");
                out += c;
        }
    }
    return out;
}

std::string XmlAttribute(std::string_view name, std::string_view value) {
    std::string out = " ";
    out += name;
    out += "=\"";
    out += EscapeXml(value);
    out += '"';
    return out;
}

}  // namespace kvz
