// Identifiers of the device model: attribute names, attribute values, operation names and
// association names are plain strings spelled exactly like the constant that holds them
// (ATTR_NAME_STATUS is "ATTR_NAME_STATUS"). Devices, operations and the console compare them
// as text, and the message catalog turns them into words for the user.
//
// VNL_IDENTIFIER(NAME) defines one such constant in the current namespace. Deriving the text
// from the name leaves no room for a misspelt value, and an inline constexpr array costs no
// start-up time and has one address per program.
#ifndef VNL_CORE_IDENTIFIER_H
#define VNL_CORE_IDENTIFIER_H

#define VNL_IDENTIFIER(NAME) inline constexpr const char NAME[] = #NAME;

#endif
