#include "schema/xmltreedump.h"

#include <cstdio>
#include <fstream>
#include <string>

#include "core/devicelock.h"
#include "core/deviceoperation.h"
#include "schema/morumod.h"

namespace Schema {
namespace {

// Appends `text` as the content of a double-quoted attribute value.
void appendEscaped(std::string& out, const Common::string& text)
{
    char reference[16];
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        switch (byte) {
        case '&':
            out += "&amp;";
            continue;
        case '<':
            out += "&lt;";
            continue;
        case '>':
            out += "&gt;";
            continue;
        case '"':
            out += "&quot;";
            continue;
        case '\'':
            out += "&apos;";
            continue;
        case '\t':
        case '\n':
        case '\r':
            std::snprintf(reference, sizeof reference, "&#%u;", byte);
            break;
        default:
            if (byte >= 0x20 && (byte < 0x7F || byte > 0x9F)) {
                out += static_cast<char>(byte);
                continue;
            }
            // Other control bytes are not XML characters at all: show their stand-ins.
            std::snprintf(reference, sizeof reference, "&#x%X;", byte < 0x20 ? 0x2400u + byte : byte);
        }
        out += reference;
    }
}

void appendAttribute(std::string& out, const char* name, const Common::string& value)
{
    out += ' ';
    out += name;
    out += "=\"";
    appendEscaped(out, value);
    out += '"';
}

void indent(std::string& out, unsigned depth) { out.append(2 * depth, ' '); }

void appendAttributes(std::string& out, const Core::AttributeSource& source, unsigned depth)
{
    for (auto it = source.beginAttribute(); it != source.endAttribute(); ++it) {
        indent(out, depth);
        out += "<attribute";
        appendAttribute(out, "name", it->first);
        appendAttribute(out, "value", it->second.toString());
        out += "/>\n";
    }
}

void appendNamed(std::string& out, const char* element, const Common::string& name, unsigned depth)
{
    indent(out, depth);
    out += '<';
    out += element;
    appendAttribute(out, "name", name);
    out += "/>\n";
}

void appendReasons(std::string& out, const Core::Device& device, unsigned depth)
{
    for (auto it = device.beginUnavailableOperationReason(); it != device.endUnavailableOperationReason(); ++it) {
        indent(out, depth);
        out += "<unavailable>\n";
        appendAttributes(out, **it, depth + 1);
        indent(out, depth);
        out += "</unavailable>\n";
    }
}

void appendAssociations(std::string& out, const Core::Device& device, unsigned depth)
{
    for (auto it = device.beginAssociation(); it != device.endAssociation(); ++it) {
        indent(out, depth);
        out += "<association";
        appendAttribute(out, "name", (*it)->name());
        out += ">\n";
        for (auto member = (*it)->beginDevice(); member != (*it)->endDevice(); ++member) {
            indent(out, depth + 1);
            out += "<member";
            appendAttribute(out, "id", (*member)->toString());
            out += "/>\n";
        }
        indent(out, depth);
        out += "</association>\n";
    }
}

void appendDevice(std::string& out, const Core::Device& device, unsigned depth)
{
    indent(out, depth);
    out += "<device";
    appendAttribute(out, "id", device.toString());
    appendAttribute(out, "type", device.getValueFor(Interface::MORUMod::ATTR_NAME_TYPE));
    out += ">\n";
    appendAttributes(out, device, depth + 1);
    for (auto it = device.beginPrivateAttribute(); it != device.endPrivateAttribute(); ++it)
        appendNamed(out, "private", it->first, depth + 1);
    for (auto it = device.beginOperation(); it != device.endOperation(); ++it)
        appendNamed(out, "operation", (*it)->name(), depth + 1);
    appendReasons(out, device, depth + 1);
    appendAssociations(out, device, depth + 1);
    for (auto it = device.beginChild(); it != device.endChild(); ++it)
        appendDevice(out, **it, depth + 1);
    indent(out, depth);
    out += "</device>\n";
}

} // namespace

void WriteTreeXML(Core::Device& root, std::ostream& out)
{
    std::string document = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<tree";
    appendAttribute(document, "module", Interface::MORUMod::MODULE_NAME);
    document += ">\n";
    {
        Core::DeviceLock lock(root);
        appendDevice(document, root, 1);
    }
    document += "</tree>\n";
    out << document;
}

bool WriteTreeXMLFile(Core::Device& root, const char* path)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    WriteTreeXML(root, file);
    file.flush();
    return static_cast<bool>(file);
}

void WriteTreeXMLDebugFile(Core::Device& root)
{
    const std::string path = std::string(Interface::MORUMod::MODULE_NAME) + ".xml";
    WriteTreeXMLFile(root, path.c_str());
}

} // namespace Schema
