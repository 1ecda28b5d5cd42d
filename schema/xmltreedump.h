// The whole device tree as one XML document, for tests and bug reports. Each device appears as
// a <device> element with its identifier and type, then its attributes (name and text value,
// in name order), the names of its private attributes, its operations, the reasons why
// operations are unavailable (with every attribute of the reason), its associations (by the
// identifiers of the associated devices), and its children, in child order.
//
// Text that controllers report may hold any byte, and the document stays well-formed whatever
// it holds: markup characters become entities; tab, newline and carriage return become
// character references; other control bytes become their visible stand-ins (U+2400 + byte);
// bytes from 0x80 up are Latin-1 characters (the document declares ISO-8859-1).
//
// The tree is read under the root's lock.
#ifndef VNL_SCHEMA_XMLTREEDUMP_H
#define VNL_SCHEMA_XMLTREEDUMP_H

#include <ostream>

#include "core/device.h"

namespace Schema {

void WriteTreeXML(Core::Device& root, std::ostream& out);

// Writes the document to `path`, replacing the file; false when it cannot be written.
bool WriteTreeXMLFile(Core::Device& root, const char* path);

// The tree writer behind the debug switch of the storage-API layer: writes the file named after
// the module (Interface::MORUMod::MODULE_NAME + ".xml") in the working directory.
void WriteTreeXMLDebugFile(Core::Device& root);

} // namespace Schema

#endif
