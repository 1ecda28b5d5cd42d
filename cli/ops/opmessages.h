// The fixed texts of the command handlers, in one place. They are printed
// exactly as written here.
#ifndef VNL_CLI_OPS_OPMESSAGES_H
#define VNL_CLI_OPS_OPMESSAGES_H

#include <string>

namespace OP_MESSAGES {

inline const std::string ONE_QUERY = "Only one query can be issued at a time.";
inline const std::string NOT_SUPPORTED =
    "This operation is not supported with the current configuration. Use the \"show\" command on devices to "
    "show additional details about the configuration.";
inline const std::string DID_NOT_COMPLETE =
    "This command did not complete properly. Please check your configuration for possible hardware or "
    "configuration problems. Use the \"show\" command on devices to show additional details about the "
    "configuration.";
inline const std::string DUPLICATE_DRIVES = "There cannot be duplicate drives specified.";
inline const std::string CANNOT_ADD_DRIVE = "Cannot create array. Cannot add physical drive ";
inline const std::string NOT_DATA_DRIVES =
    "One or more of the drives specified are data drives which suggest an array is being targeted. When "
    "targeting an array, make sure to target only the drives within the array. Do not specify unassigned or "
    "spare drives.";
inline const std::string BOTH_ARRAYS_1 = "Not all specified drives belong to the same array. Both array ";
inline const std::string BOTH_ARRAYS_2 = " and array ";
inline const std::string BOTH_ARRAYS_3 =
    " are being referred to. When targeting an array, make sure to target only the drives within the array.";
inline const std::string EXACT_DRIVES = "The drives specified must match the drives in the targeted array exactly.";
inline const std::string INVALID_VALUE = "Invalid value \"";
inline const std::string INVALID_VALUE_END = "\". See help for the values allowed.";

inline const std::string CONFIG_NEEDS_CONTROLLER =
    "The target must be a controller when using the \"config\" parameter.";
inline const std::string SSP_NEEDS_CONTROLLER = "The specified target must be a controller.";
inline const std::string CANNOT_SHOW = "Cannot show this device. Not supported by show command.";
inline const std::string CANNOT_SHOW_STATUS = "Cannot show status for this device.";
inline const std::string NO_SSP_INFORMATION = "There is no ssp information available for this device.";

} // namespace OP_MESSAGES

#endif
