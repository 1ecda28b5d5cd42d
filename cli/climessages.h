// The fixed texts of the console and its command handlers, in one place.
// They are printed exactly as written here; a text that is completed at run
// time (with a name, a value or a device) is split where the variable part
// goes.
#ifndef VNL_CLI_CLIMESSAGES_H
#define VNL_CLI_CLIMESSAGES_H

namespace CLI_MESSAGES {

// ---- console -----------------------------------------------------------------
inline constexpr char BANNER[] = "Orvex Varnel CLI ";
inline constexpr char DETECTING[] = "Detecting Controllers...";
inline constexpr char DONE[] = "Done.";
inline constexpr char HELP_HINT[] = "Type \"help\" for a list of supported commands.";
inline constexpr char EXIT_HINT[] = "Type \"exit\" to close the console.";
inline constexpr char PROMPT[] = "=> ";

inline constexpr char NOT_ADMIN[] = "You need to have administrator rights to continue.";
inline constexpr char ANOTHER_INSTANCE[] =
    "Another instance of VNL is already running (possibly a service). Please terminate "
    "the VNL application before running the VNL CLI. Press ENTER to exit.";
inline constexpr char LINE_TOO_LONG[] = "The command line is too long.";
inline constexpr char JSON_SHOW_ONLY[] = "The --json option is for show commands only; nothing was run.";
// Written on standard error, the only place left to say it.
inline constexpr char OUTPUT_FAILED[] = "vnlcli: standard output could not be written.";

inline constexpr char CLI_VERSION[] = "   VNL CLI Version: ";
inline constexpr char MORU_VERSION[] = "   MoruAPI Version: ";

// ---- grammar -----------------------------------------------------------------
inline constexpr char SYNTAX_ERROR[] = "Syntax error at \"";
inline constexpr char INVALID_COMMAND[] = "Invalid command. Type \"help\" for a list of valid commands.";
inline constexpr char COMMAND_LINE_ENTERED[] = "Command Line Entered: ";
inline constexpr char SEE_HELP[] = "  See help for usage.";

// ---- targets -----------------------------------------------------------------
inline constexpr char AFTER_WILDCARD[] =
    "After specifying a wildcard, you cannot specify any further devices in the target.";
inline constexpr char EXPECTING_CONTROLLER[] =
    "Expecting \"controller\" in target. Type \"help\" for more information.";
inline constexpr char EXPECTING_PARAMETERS[] = "Expecting parameters to identify ";
inline constexpr char IDENTIFY_CONTROLLER[] =
    "The controller must be identified by slot, chassisname, wwn, serialnumber, or IPF information.";
inline constexpr char EXPECTING[] = "Expecting ";
inline constexpr char INVALID_TARGET[] = "Invalid target syntax. ";
inline constexpr char INVALID_TARGET_END[] = " is not a valid target. Type \"help\" for more details.";
inline constexpr char NO_CONTROLLERS[] = "No controllers detected.";
inline constexpr char CONTROLLER_IDENTIFIED[] = "The controller identified by ";
inline constexpr char NOT_DETECTED[] = " was not detected";
inline constexpr char NO_ADAPTER[] = ". There was no host bus adapter found in ";
inline constexpr char NO_DEVICE_ON_PORT[] = ". There was no device found connected to ";
inline constexpr char MULTIPLE_CHASSIS[] = "You cannot specify multiple controllers with one chassisname.";
inline constexpr char COMMUNICATION_ERROR[] = "An error occurred when communicating to the controller specified by ";
inline constexpr char CHECK_HARDWARE[] = " Check hardware and connections.";
inline constexpr char LOCKED[] = " is locked by another instance of VNL.";
inline constexpr char NOT_UNLOCKED[] = " could not be unlocked.";
inline constexpr char ARRAY_CONTROLLER_IDENTIFIED[] = "Controller identified by ";
inline constexpr char NO_ARRAYS[] = " does not contain any arrays.";
inline constexpr char NO_SUCH_ARRAY[] = " does not have an array identified by ";
inline constexpr char NO_LOGICAL_DRIVES[] = "The specified device does not have any logical drives.";
inline constexpr char NO_SUCH_LOGICAL_DRIVE[] = "The specified device does not have a logicaldrive identified by ";
inline constexpr char NO_PHYSICAL_DRIVES[] = "The specified controller does not have any physical drives on it.";
inline constexpr char NO_SUCH_PHYSICAL_DRIVE[] =
    "The specified controller does not have any physical drives identified by ";
inline constexpr char TAPE_SYNTAX[] =
    "<controller> td all show [detail] is currently the only syntax supported for targeting tape drives.";
inline constexpr char NO_TAPE_DRIVES[] = "The specified controller does not have any tape drives identified by ";
inline constexpr char FIRMWARE_PREFIX[] = "FIRMWARE UPGRADE REQUIRED: ";
inline constexpr char FIRMWARE_NOTICE[] =
    "The firmware running on this controller has a known potential for data loss that can occur while executing a "
    "surface analysis scan. This controller cannot be configured until the firmware is upgraded to version 2.08 or "
    "later.";
inline constexpr char FIRMWARE_MODELS[] = "This applies to the ";
inline constexpr char FIRMWARE_MODELS_END[] = " controllers running firmware version 2.04.";

// ---- command handlers --------------------------------------------------------
inline constexpr char ONE_QUERY[] = "Only one query can be issued at a time.";
inline constexpr char NOT_SUPPORTED[] =
    "This operation is not supported with the current configuration. Use the \"show\" command on devices to "
    "show additional details about the configuration.";
inline constexpr char DID_NOT_COMPLETE[] =
    "This command did not complete properly. Please check your configuration for possible hardware or "
    "configuration problems. Use the \"show\" command on devices to show additional details about the "
    "configuration.";
inline constexpr char DUPLICATE_DRIVES[] = "There cannot be duplicate drives specified.";
inline constexpr char CANNOT_ADD_DRIVE[] = "Cannot create array. Cannot add physical drive ";
inline constexpr char NOT_DATA_DRIVES[] =
    "One or more of the drives specified are data drives which suggest an array is being targeted. When "
    "targeting an array, make sure to target only the drives within the array. Do not specify unassigned or "
    "spare drives.";
inline constexpr char BOTH_ARRAYS_1[] = "Not all specified drives belong to the same array. Both array ";
inline constexpr char BOTH_ARRAYS_2[] = " and array ";
inline constexpr char BOTH_ARRAYS_3[] =
    " are being referred to. When targeting an array, make sure to target only the drives within the array.";
inline constexpr char EXACT_DRIVES[] = "The drives specified must match the drives in the targeted array exactly.";
// Invalid value "x" for "led": expecting "on" or "off".
inline constexpr char INVALID_VALUE[] = "Invalid value \"";
inline constexpr char INVALID_VALUE_FOR[] = "\" for \"";
inline constexpr char INVALID_VALUE_EXPECTING[] = "\": expecting ";
inline constexpr char TARGET_CONTROLLER[] = "The specified target must be a controller.";
inline constexpr char TARGET_LOGICAL_DRIVE[] = "The specified target must be a logicaldrive.";
inline constexpr char TARGET_PHYSICAL_DRIVE[] = "The specified target must be a physical drive.";

// ---- create --------------------------------------------------------------------
inline constexpr char EXPECTING_TYPE_LD[] = "Expecting \"type=logicaldrive\"";
inline constexpr char CREATE_TARGET[] = "The specified target must either be a controller or an array.";
inline constexpr char SIZE_SYNTAX_END[] = "\", expecting numeric characters (implied size is MB).";
inline constexpr char ARRAY_TARGET_DRIVES[] =
    "If you target an array when creating a logical drive, you cannot specify any physical drive parameters. "
    "This is because the logical drive will be created using the physical drives contained in the array.";
inline constexpr char NO_UNASSIGNED_DRIVES[] =
    "The specified controller does not have any unassigned physical drives on it.";
inline constexpr char DRIVES_NOT_DETECTED[] =
    "None of the specified physical drives where detected. Use the \"show\" command on devices to show "
    "additional details about the configuration.";
inline constexpr char DIFFERING_DRIVE_TYPES[] =
    "The array could not be created because drives of differing types were specified (e.g. you can't mix sas "
    "and sata, etc). Use the \"drivetype\" parameter to specify drive type.";
inline constexpr char AVAILABLE_OPTIONS[] = "Available options are:";
inline constexpr char NO_OPTIONS[] = "   There are no options currently available.";

// ---- modify --------------------------------------------------------------------
inline constexpr char MODIFY_USAGE[] = "Expecting \"<target> modify [param[=value]]\"";
inline constexpr char DRIVE_WRITE_CACHE_PROMPT[] =
    "Without the proper safety precautions, use of write cache on physical drives could cause data loss in the "
    "event of power failure.  To ensure data is properly protected, use redundant power supplies and "
    "Uninterruptible Power Supplies. Also, if you have multiple storage enclosures, all data should be mirrored "
    "across them. Use of this feature is not recommended unless these precautions are followed. Continue? (y/n) ";
inline constexpr char REDUNDANT_CONTROLLER_PROMPT[] =
    "Continuing will disable the redundant controller and redundancy will no longer be enabled. After performing "
    "this task, save the configuration and monitor the controller's front panel display. Once the redundant "
    "controller has been designated as disabled, you can safely remove it from your system. Continue? (y/n) ";
inline constexpr char EXTENSION_PROMPT[] =
    "Extension may not be supported on certain operating systems. Performing extension on these operating "
    "systems can cause data to become inaccessible. See VNL documentation for details. Continue? (y/n) ";
inline constexpr char REENABLE_PROMPT[] =
    "Any previously existing data on the logical drive may not be valid or recoverable. Continue? (y/n) ";
inline constexpr char SSP_ACCESS_PROMPT[] =
    "This operation will disable access to one or more logical drives on this controller. As future writes to "
    "these drives will fail, make sure the logical drives are not in use before continuing. Continue? (y/n) ";
inline constexpr char SURFACE_SCAN_DELAY[] = "Expecting \"surfacescandelay=#\" where # is between 1 and 30 sec";
inline constexpr char ENCLOSURE_DRIVES_ONLY[] =
    "This operation is only available for physical drives connected to an Quor-A.";
inline constexpr char NO_POWER_DOWN[] = " does not have power down capability.";
inline constexpr char NUMBER_RANGE[] = "Value must be between 1 and 32";
inline constexpr char ONE_DEVICE[] = "Must specify only one device for this operation.";
inline constexpr char MANUAL_PATH_MODE[] =
    "Preferred path mode must be set to manual to use this command. See help for details.";
inline constexpr char NO_CHASSISNAME[] = " does not have a chassisname.";
inline constexpr char CHASSISNAME_CHARACTER[] = "' is not a valid chassisname character.";
inline constexpr char NAME_LENGTH[] = "\" has more than the maximum allowed ";
inline constexpr char NAME_LENGTH_END[] = " characters.";
inline constexpr char INVALID_ARRAY_ACCELERATOR[] = "Invalid arrayaccelerator setting specified.";

// ---- selective storage presentation ------------------------------------------
inline constexpr char INCORRECT_DEVICE[] = "An incorrect device was specified for this operation. See help for usage.";
inline constexpr char SSP_NOT_ENABLED[] = "SSP must be enabled in order to perform this operation.";
inline constexpr char ONE_CONTROLLER[] = "Only one controller can be specified for this operation.";
inline constexpr char SEE_HELP_FOR_USAGE[] = "See help for command usage.";
// The adapterid 5A0E0D0000010009 was not found. SSP operation was not performed.
inline constexpr char ADAPTER_ID_UNKNOWN[] = "The adapterid ";
inline constexpr char ADAPTER_ID_UNKNOWN_END[] = " was not found. SSP operation was not performed.";
// "all" has been detected as an existing connection name. ...
inline constexpr char KEYWORD_IS_NAME[] =
    "\" has been detected as an existing connection name. The adapter id(s) that map to this connection name will "
    "be targeted. If you would like to use the specified value in a keyword context, please rename all connection "
    "names with the same name as the keyword to a value not used by SSP operations.";
// Syntax error at ';' is not a valid connectionname character.
inline constexpr char CHARACTER_SYNTAX_ERROR[] = "Syntax error at '";
inline constexpr char CONNECTIONNAME_CHARACTER[] = "' is not a valid connectionname character.";
inline constexpr char NAME_ADAPTER_UNKNOWN[] =
    "The adapter id was not found. Therefore the connection name was not changed.";
inline constexpr char NAME_KEEPS_HOST_MODE[] =
    "The connectionname cannot be removed when the hostmode has a non-default value. To restore the default "
    "hostmode type: <controller> modify ai=<adapterid> hostmode=\"Default\".";
inline constexpr char SPECIFIER_UNKNOWN[] = "Specifier ";
inline constexpr char SPECIFIER_UNKNOWN_END[] = " was not found. Could not change hostmode.";
inline constexpr char HOST_MODE_ADAPTER_UNKNOWN[] = "The adapter id was not found. Could not change hostmode.";
inline constexpr char NO_HOST_MODES[] = "This controller does not have host mode modification capability.";
inline constexpr char HOST_MODE_NOT_CHANGED[] = "Could not change hostmode.";

// ---- delete, add, remove ---------------------------------------------------------
inline constexpr char DELETE_PROMPT[] =
    "Deleting the specified device(s) will result in data being lost. Continue? (y/n) ";
inline constexpr char DELETE_LAST_OR_ALL[] =
    "You must either delete the last logical drive or all logical drives in a given array or controller.";
inline constexpr char ARRAY_RENAMING[] =
    "Deleting an array can cause other array letters to become renamed. E.g. Deleting array A from arrays A,B,C "
    "will result in two remaining arrays A,B ... not B,C";
inline constexpr char DELETE_ALL_CONTROLLERS[] = "Deleting all controllers is currently not supported.";
inline constexpr char CLEAR_FAILED[] =
    "Could not clear configuration. Please check your configuration for possible hardware or configuration "
    "problems. Use the \"show\" command on devices to show additional details about the configuration.";
inline constexpr char COULD_NOT_DELETE[] = "Could not delete ";
inline constexpr char ADD_TARGET[] = "The specified target must be either an array or logical drive.";
inline constexpr char ADD_ONE_ARRAY[] = "You cannot add drives to more than one logicaldrive or array.";
inline constexpr char ADD_USAGE[] = "Expecting \"<target> add [param[=value]]\"";
inline constexpr char REMOVE_USAGE[] = "Expecting \"<target> remove [spares=#:#,#:#,...|all]\"";
inline constexpr char NO_EXPANSION_DRIVES[] =
    "There are no unassigned physical drives of the desired size currently available for array expansion.";
// Could not add drive 1:5 due to drive mixing.
inline constexpr char COULD_NOT_ADD_DRIVE[] = "Could not add drive ";
inline constexpr char DRIVE_MIXING[] = " due to drive mixing.";
// Drive 1:5 can not be added to the array...
inline constexpr char DRIVE[] = "Drive ";
inline constexpr char DRIVE_TOO_SMALL[] =
    " can not be added to the array. Make sure that the size of each drive specified is greater than or equal to "
    "the smallest physical drive on the array.";
inline constexpr char DRIVE_NOT_UNASSIGNED[] =
    "  could not be added to the array because it is not an existing unassigned drive.";
inline constexpr char RAID10_PROMPT[] =
    "An even number of physical drives is required for this array because it has one or more logical drives with "
    "a fault tolerance of RAID 1+0. However, you can migrate all RAID 1+0 logical drives on this array to the "
    "highest available fault tolerance. Would you like to migrate all RAID 1+0 logical drives to the highest "
    "available fault tolerance? (y/n) ";
inline constexpr char MAXIMUM_DRIVES[] = "The maximum allowed number of physical drives for this array is ";
inline constexpr char MAXIMUM_DRIVES_END[] = " due to a controller hardware limitation.";
inline constexpr char NOT_SPARE_CANDIDATE[] = " can not be added to the array as a spare.";
inline constexpr char SPARE_TOO_SMALL[] =
    " can not be added to the array as a spare. Make sure that the size of each spare specified is greater than or "
    "equal to the smallest physical drive on the array.";
inline constexpr char FAILED_SPARES_PROMPT[] =
    "One or more spare drives are failed. If you continue, the failed spares will be automatically removed from "
    "the array. Continue? (y/n) ";
inline constexpr char NO_SPARES_FOUND[] = "No spares found on ";
inline constexpr char NOT_A_SPARE[] = "This array does not contain spare ";

inline constexpr char CONFIG_NEEDS_CONTROLLER[] =
    "The target must be a controller when using the \"config\" parameter.";
inline constexpr char CANNOT_SHOW[] = "Cannot show this device. Not supported by show command.";
inline constexpr char CANNOT_SHOW_STATUS[] = "Cannot show status for this device.";
inline constexpr char NO_SSP_INFORMATION[] = "There is no ssp information available for this device.";

} // namespace CLI_MESSAGES

#endif
