#include "cli/helptopics.h"

#include <iterator>

namespace HelpTopics {
namespace {

// Keyword texts that both a topic and a fixed query search for.
constexpr std::string_view kAddKeywords =
    " physical drive drives physicaldrive physicaldrives pd add shared spare expand "
    "array spares";
constexpr std::string_view kRedundantPathKeywords =
    " redundantcontroller rc \"redundant controller\" redundant redundancy  logical drive "
    "logicaldrive logicaldrives ld volume disk chs preferred path controller ctrl "
    "preferredpathmode preferredpath chassisslot chassis active activeactive";
constexpr std::string_view kCreateKeywords =
    " logical drive logicaldrive logicaldrives ld volume disk max boot create array size "
    "type drives raid stripesize sectors arrayaccelerator drivetype";
constexpr std::string_view kDeleteKeywords =
    " controller controllers \"array controller\" ctrl  logical drive logicaldrive "
    "logicaldrives ld volume disk kill delete remove array take off disconnect clear "
    "configuration";
constexpr std::string_view kRemoveKeywords = "array kill remove shared spare spares";
constexpr std::string_view kRescanKeywords = " controller controllers \"array controller\" ctrl rescan system refresh";
constexpr std::string_view kShorthandKeywords = "shorthand short hand abbreviations abbreviation";
constexpr std::string_view kImplicitTargetKeywords = "set implicit target";

// Field order: keywords, description, examples, target, command, syntax.
constexpr Topic kTopics[] = {
    // 1
    {
        kAddKeywords,
        "The add command adds a physical drive or spare to the specified array or logical "
        "drive. Adding physical drives is the same as expanding an array. The forced "
        "parameter represses warning message prompts.",
        "controller slot=5 array A add drives=1:1-1:5\n"
        "controller slot=5 array A add drives=1:1,1:2,1:3\n"
        "controller slot=5 array A add spares=allunassigned\n"
        "ctrl slot=5 logicaldrive 1 add drives=1:8",
        "can be any valid individual array or logical drive target.",
        "add",
        "[drives=[#:]#:#,[#:]#:#,[#:]#:#-[#:]#:#],...|allunassigned]\n"
        "[spares=[#:]#:#,[#:]#:#,[#:]#:#-[#:]#:#],...|allunassigned]\n"
        "[forced]",
    },
    // 2
    {
        " logical drive logicaldrive logicaldrives ld volume disk \"array accelerator\" array "
        "accelerator arrayaccelerator aa cache ratio cacheratio",
        "Enables or disables the array accelerator for a given logical drive.",
        "controller slot=3 logicaldrive 2 modify arrayaccelerator=enable",
        "can be any valid logical drive target on a controller that supports array "
        "accelerator management.",
        "modify",
        "[arrayaccelerator=enable|disable]",
    },
    // 3
    {
        " controller controllers \"array controller\" ctrl cr cache ratio cacheratio "
        "arrayaccelerator \"array accelerator\"",
        "Sets the array accelerator cache ratio for the controller. The first # is the read "
        "cache %. The second # is the write cache %.",
        "controller slot=1 modify cacheratio=25/75",
        "can be any valid controller.",
        "modify",
        "[cacheratio=#/#|?]",
    },
    // 4
    {
        " controller controllers \"array controller\" ctrl ch box boxname chassis name "
        "chassisname \"raid array id\"",
        "Sets the chassis name of the controller. If the chassis name has a space character "
        "in it, the chassis name needs to be enclosed in double quotes, e.g., "
        "chassisname=\"Free Bird\". Reset the back to the default by specifing chassisname=\"\".",
        "controller serialnumber=P21DA2322S modify chassisname=\"Lab B\"",
        "can be any valid controller target that supports a chassis name.",
        "modify",
        "[chassisname=\"ABC\"]",
    },
    // 5
    {
        kRedundantPathKeywords,
        "Specifies the preferred path logical drives that map to a given controller "
        "supporting active active redundancy. To force the controllers to only use their "
        "preferred logical drive paths, preferred path mode must be set to manual. The "
        "chassis slot keyword is something that only exists on redundant controllers. To see "
        "the chassis slot numbers, use the show command on a controller that supports "
        "redundant controllers.",
        "controller ch=\"lab 3\" ld 1 modify chassisslot=1",
        "can be any valid logical drive on a controller that supports active active "
        "redundancy",
        "modify",
        "[chassisslot=#|?]",
    },
    // 6
    {
        kRedundantPathKeywords,
        "If preferred path mode is set to manual, all I/O traffic to the logical drive(s) "
        "will be directed through the preferred controller for that logical drive. Setting "
        "the preferred path mode to automatic allows the storage system to change the "
        "preferred path to logical drives based on host I/O patterns.",
        "ctrl chassisname=\"Lab B\" modify preferredpathmode=manual",
        "can be any valid controller that supports redundant controllers.",
        "modify",
        "[preferredpathmode=automatic|manual|?]",
    },
    // 7
    {
        kCreateKeywords,
        "The type parameter specifies the device type that is being created. A logical drive "
        "is the only device type supported at this time.\n"
        "\n"
        "The drives parameter specifies the physical drives to be used for creating a "
        "logical drive on a new or existing array. If the drives specified are all "
        "unassigned drives, then a new array will be created with a new logical drive on it. "
        "If the drives specified are all assigned to an existing array, then a new logical "
        "drive will be created on that array. The symbol #:# stands for port:id or box:bay, "
        "depending on the controller. Some controllers may also support port:box:bay and use "
        "the #:#:# syntax. The all and allunassigned keywords both target all physical "
        "drives that are not currently assigned to an array.\n"
        "\n"
        "The raid parameter sets the raid level of the logical drive. If not specified, the "
        "default raid is the highest level possible.\n"
        "\n"
        "The size parameter specifies the size of the logical drive, the implied units are "
        "MB. If not specified, the default is the maximum possible size.\n"
        "\n"
        "The stripesize parameter sets the logical drive's stripesize. The implied units of "
        "stripe size are KB.\n"
        "\n"
        "The sectors parameter specifies the sectors per track of the logical drive. If not "
        "specified, the default is 32.\n"
        "\n"
        "The arrayaccelerator parameter specifies the array accelerator state for the "
        "logical drive. If not specified, the default is enable.\n"
        "\n"
        "The drivetype parameter specifies the drive interface type. If there are multiple "
        "drive types when selecting all physical drives, the desired drive type needs to be "
        "specified. Mixed drives are not allowed on the same array or logical drive. If all "
        "drive types in a controller are the same this parameter is not needed.",
        "ctrl slot=1 create type=ld drives=1:1,1:2,1:3,1:5 raid=6\n"
        "ctrl slot=1 create type=ld drives=1:1-1:6,1:9,1:10-1:12 raid=6\n"
        "ctrl slot=1 create type=ld drives=all drivetype=parallelscsi\n"
        "controller slot=5 array A create type=ld raid=5 size=1000\n"
        "controller slot=1 array C create type=ld raid=1 stripesize=32\n"
        "ctrl slot=1 create type=ld drives=1:1,1:2,1:3,1:5 raid=?\n"
        "ctrl slot=1 create type=ld drives=1:1,1:2,1:3,1:5 stripesize=?\n"
        "ctrl slot=1 create type=ld drives=1:1,1:2,1:3,1:5 raid=1 stripesize=?\n"
        "ctrl slot=1 create type=ld drives=1:1,1:2,1:3,1:5 raid=1 size=?\n"
        "ctrl slot=1 create type=ld drives=1:1,1:2,1:3,1:5 raid=1 sectors=?",
        "can be a controller or an array in the system.",
        "create",
        "[type=ld]\n"
        "[drives=[#:]#:#,[#:]#:#,[#:]#:#-[#:]#:#],...|all|allunassigned]\n"
        "[raid=6|5|1+0|1|0|?]\n"
        "[size=#|?]\n"
        "[stripesize=8|16|32|64|128|256|default|?]\n"
        "[sectors=32|63|?]\n"
        "[arrayaccelerator=enable|disable|?]\n"
        "[drivetype=sas|satalogical|sata|saslogical|parallelscsi|?]",
    },
    // 8
    {
        kDeleteKeywords,
        "The delete command deletes part of an existing configuration.",
        "controller slot=5 delete\n"
        "controller slot=5 array A delete forced\n"
        "controller slot=1 logicaldrive 2 delete",
        "can be any valid individual controller, array or logical drive target. If the "
        "forced parameter is not present, the user will be prompted before deletion. If the "
        "forced parameter is present there will be no prompt. WARNING: Deleting an array can "
        "cause other array letters to become renamed. E.g. Deleting array A from arrays "
        "A,B,C will result in two remaining arrays A,B not B,C.",
        "delete",
        "[forced]",
    },
    // 9
    {
        " redundantcontroller rc \"redundant controller\" redundant redundancy  disable "
        "standby controller ctrl active activeactive",
        "Disables the redundant controller. The redundant controller cannot be re-enabled.",
        "controller ch=\"lab4\" modify redundantcontroller=disable",
        "can be any valid controller that has an enabled redundant controller.",
        "modify",
        "[redundantcontroller=disable]",
    },
    // 10
    {
        " physical drive drives physicaldrive physicaldrives pd  controller controllers "
        "\"array controller\" ctrl dwc controller",
        "Enables or disables the physical drive write cache for the controller.",
        "ctrl sn=P21DA2322S modify drivewritecache=enable",
        "can be any valid controller target that supports drive write cache.",
        "modify",
        "[drivewritecache=enable|disable|?] [forced]",
    },
    // 11
    {
        " controller controllers \"array controller\" ctrl ep high medium low expand priority "
        "expandpriority",
        "Sets the expand priority for the controller.",
        "controller slot=5 modify expandpriority=low",
        "can be any valid individual controller target",
        "modify",
        "[expandpriority=high|medium|low|?]",
    },
    // 12
    {
        " logical drive logicaldrive logicaldrives ld volume disk extend size",
        "Extends the logical drive to the specified size. The implied units are MB. max will "
        "extend the logical drive to its maximum size.",
        "controller slot=1 logicaldrive 1 modify size=12000",
        "can be any valid logical drive.",
        "modify",
        "[size=#|max|?] [forced]",
    },
    // 13
    {
        "forced force repress ignore warning messages",
        "Certain commands produce warning prompt(s) that require user input. The forced "
        "parameter represses the warning prompt(s).",
        "ctrl slot=3 array A delete forced",
        "can be any valid device that supports the forced parameter.",
        "<command>",
        "[parameters] [forced]",
    },
    // 14
    {
        " logical drive logicaldrive logicaldrives ld volume disk  physical drive drives "
        "physicaldrive physicaldrives pd  controller controllers \"array controller\" ctrl "
        "identify device show blink led lights array",
        "Flashes specified device's leds.",
        "controller slot=1 array B modify led=on",
        "can be any valid individual device target.",
        "modify",
        "[led=on|off]",
    },
    // 15
    {
        "array shared manage spares management",
        "Specifies the drives to be used for spares on an array. #:# is SCSI port:id or "
        "box:bay, depending on controller type. Some controllers may also support "
        "port:box:bay.",
        "controller slot=5 array A modify spares=1:2-1:7",
        "can be any valid individual array or logicaldrive target.",
        "modify",
        "[spares=[#:]#:#,[#:]#:#,[#:]#:#-[#:]#:#],...|none]",
    },
    // 16
    {
        " logical drive logicaldrive logicaldrives ld volume disk migrate migration raid "
        "stripe size stripesize",
        "Migrates the specified logical drive to the desired raid level and/or stripe size. "
        "The implied units of stripesize are KB.",
        "controller wwn=W4348483984 logicaldrive 1 modify raid=1 stripesize=64",
        "can be any valid logical drive.",
        "modify",
        "[raid=0|1+0|1|4|5|6|?] [stripesize=8|16|32|64|128|256|default|?]",
    },
    // 17
    {
        "rp high medium low controller rebuild priority rebuildpriority",
        "Sets the rebuild priority for the controller.",
        "controller slot=5 modify rebuildpriority=high",
        "can be any valid controller.",
        "modify",
        "[rebuildpriority=high|medium|low|?]",
    },
    // 18
    {
        " logical drive logicaldrive logicaldrives ld volume disk reenable failed",
        "Re-enables a failed logical drive. Re-enabling the selected logical drive will "
        "allow the logical drive to be used again. Any previously existing data on the "
        "logical drive may not be valid or recoverable. The forced parameter represses the "
        "warning prompt.",
        "controller slot=1 ld 1 modify reenable",
        "can be any valid logical drive.",
        "modify",
        "[reenable] [forced]",
    },
    // 19
    {
        kRemoveKeywords,
        "The remove command allows you to remove one or more spares from a specified array.",
        "ctrl slot=3 array A remove spares=1:6,1:10-1:13\n"
        "ctrl slot=3 array A remove spares=1:10,1:11,1:12,1:13\n"
        "ctrl slot=3 array A remove spares=all",
        "can be any valid array.",
        "remove",
        "[spares=[#:]#:#,[#:]#:#,[#:]#:#-[#:]#:#],...|all]",
    },
    // 20
    {
        kRescanKeywords,
        "The rescan command detects newly added controllers.",
        "rescan",
        "nothing. Rescan requires no target since it operates at the top level to discover "
        "new controllers.",
        "rescan",
        "",
    },
    // 21
    {
        " show display print config layout detail verbose",
        "The show command outputs information about the specified device. To force a more "
        "detailed and verbose output, specify the \"detail\" parameter. To see the "
        "configuration, which includes the targeted device along with all of the devices "
        "that it aggregates, specify the \"config\" parameter.",
        "ctrl ch=\"lab 3\" show config detail",
        "can be any valid device except when using the \"config\" parameter. In this case the "
        "specified target must be a controller.",
        "show",
        "[config] [detail]",
    },
    // 22
    {
        " show display print status",
        "Displays the status information for the specified device(s).",
        "ctrl all show status",
        "can be any valid device.",
        "show",
        "[status]",
    },
    // 23
    {
        kShorthandKeywords,
        "Shorthand symbols can be used wherever regular target and command keywords are used "
        "in order to save keystrokes.",
        "aa = arrayaccelerator\n"
        "ai = adapterid\n"
        "all = allunassigned\n"
        "ch = chassisname (also known as boxname or raidarrayid)\n"
        "chs = chassisslot\n"
        "cn = connectionname\n"
        "cp = ctrlpath\n"
        "cr = cacheratio\n"
        "csn = chassisserialnumber\n"
        "ctrl = controller\n"
        "dwc = drivewritecache\n"
        "dt = drivetype\n"
        "ep = expandpriority\n"
        "ld = logicaldrive\n"
        "pd = physicaldrive\n"
        "ppm = preferredpathmode\n"
        "ps = parallelscsi\n"
        "rp = rebuildpriority\n"
        "rc = redundantcontroller\n"
        "ssd = surfacescandelay\n"
        "sn = serialnumber\n"
        "ss = stripesize",
        "",
        "target",
        "",
    },
    // 24
    {
        " controller controllers \"array controller\" ctrl  logical drive logicaldrive "
        "logicaldrives ld volume disk  hide ssp acl selective storage presentation grant "
        "deny access adapterid adapter id connectionname connection name acl hostmode host "
        "mode",
        "Changes the host mode for a specified adapter id or chassis name. To set a host "
        "mode, a connection name must already exist.",
        "ctrl chassisname=\"Lab B\" modify ai=P44940LDAORS4F hostmode=Windows",
        "can be any valid controller target supporting hostmodes.",
        "modify",
        "[adapterid|connectionname=#] [hostmode=\"ABC\"|?]",
    },
    // 25
    {
        " controller controllers \"array controller\" ctrl  logical drive logicaldrive "
        "logicaldrives ld volume disk  hide ssp acl selective storage presentation grant "
        "deny access adapterid adapter id connectionname connection name",
        "Changes the connection name for a specified adapter id. The connection name can be "
        "reset back to the default by specifing connectionname=\"\".",
        "controller ch=\"Lab1\" modify adapterid=P44940LDAORS4F connectionname=\"XP\"",
        "can be any valid controller target supporting ssp.",
        "modify",
        "[adapterid=#] [connectionname=\"ABC\"]",
    },
    // 26
    {
        " controller controllers \"array controller\" ctrl  logical drive logicaldrive "
        "logicaldrives ld volume disk  hide ssp acl selective storage presentation grant "
        "deny access  show display print ",
        "Displays the ssp information for the specified controller.",
        "ctrl ch=\"lab 3\" show ssp",
        "can be any valid controller that supports ssp.",
        "show",
        "[ssp]",
    },
    // 27
    {
        " controller controllers \"array controller\" ctrl  logical drive logicaldrive "
        "logicaldrives ld volume disk  hide ssp acl selective storage presentation grant "
        "deny access on off forced",
        "Turn SSP on or off.",
        "ctrl chassisname=\"Lab B\" modify ssp=on",
        "depends on whether your controller supports controller or logical drive centric "
        "SSP. For controller centric SSP, specify the controller. For logical drive centric "
        "SSP, specify the logical drive. To determine what type of SSP you have, use the "
        "show command on a controller target supporting SSP.",
        "modify",
        "[ssp=on|off] [forced]",
    },
    // 28
    {
        " controller controllers \"array controller\" ctrl  logical drive logicaldrive "
        "logicaldrives ld volume disk  hide ssp acl selective storage presentation grant "
        "deny access mask unmask forced adapterid adapter id connectionname connection name",
        "Mask/unmask specified adapter id's or connection names for SSP. SSP must be enabled "
        "before mask/unmask can be set. To view available adapter id and connection name "
        "options, see the show ssp command. # is the adapter id or connection name.",
        "ctrl chassisname=\"Lab B\" ld 1 modify unmask=P44940LDAORS4F,P42ASDASASDKHA",
        "can be any valid logical drive.",
        "modify",
        "[mask|unmask=#,#,...|all] [forced]",
    },
    // 29
    {
        " controller controllers \"array controller\" ctrl ssd surface scan delay",
        "Sets the surface scan delay for the controller, where # is between 1 and 30 seconds.",
        "controller slot=1 modify surfacescandelay=20",
        "can be any valid controller.",
        "modify",
        "[surfacescandelay=#]",
    },
    // 30
    {
        kImplicitTargetKeywords,
        "Clears the implicit target. After this call, <target> must be entered upon every "
        "command as usual.",
        "clear target",
        "",
        "target",
        "clear target",
    },
    // 31
    {
        kImplicitTargetKeywords,
        "Shows the contents of the implicit target.",
        "show target",
        "",
        "target",
        "show target",
    },
    // 32
    {
        kImplicitTargetKeywords,
        "The target command sets the <target> once, so that the commands that follow can use "
        "it without entering it again. If the identifier of the target changes or its "
        "hardware is removed, the target must be set again; e.g., a target set with "
        "chassisname=abc no longer works after the chassis name is changed to xyz, until set "
        "target is given the new chassis name. The target command is only supported inside "
        "the VNL CLI console. The implicit target is used only when no <target> is entered "
        "on the command line.",
        "set target ctrl slot=3",
        "can be any valid device.",
        "target",
        "set target <target>",
    },
};

constexpr FixedQuery kFixedQueries[] = {
    {"create", kCreateKeywords, ""},
    {"show", " show display print ", "The show command outputs information about a device or a list of devices.\n"},
    {"modify", "modify",
     "The modify command changes the existing configuration. Where allowed, the '?' keyword "
     "queries the current capabilities. Only one query can be issued at a time.\n"},
    {"delete", kDeleteKeywords, ""},
    {"rescan", kRescanKeywords, ""},
    {"add", kAddKeywords, ""},
    {"target", kImplicitTargetKeywords, ""},
    {"shorthand", kShorthandKeywords, ""},
    {"remove", kRemoveKeywords, ""},
};

constexpr std::string_view kGenericPage[] = {
    "",
    "CLI Syntax",
    "   A typical VNL CLI command line consists of three parts: a target device, ",
    "   a command, and a parameter with values if necessary. Using angle brackets",
    "   to denote a required variable and plain brackets to denote optional",
    "   variables, the structure of a typical VNL CLI command line is as follows:",
    "      <target> <command> [parameter=value]",
    "   <target> is of format:",
    "      [controller all|slot=#|wwn=#|chassisname=\"AAA\"|",
    "serialnumber=#|chassisserialnumber=#|ctrlpath=#:# ]",
    "      [array all|<id>]",
    "      [physicaldrive all|allunassigned|[#:]#:#|[#:]#:#-[#:]#:#]",
    "      [logicaldrive all|#]",
    "   Note 1: The #:#:# syntax is only needed for systems that address their",
    "           physical drives as port:box:bay. The other physical drive",
    "           addressing schemes are box:bay and port:id.",
    "   Note 2: The chassisserialnumber and chassisname parameters are known in",
    "           the graphical configuration utility as the RAID Array Serial",
    "           Number and the RAID Array ID.",
    "   Note 3: ctrlpath=#:# names an external enclosure by the slot and port of",
    "           the host bus adapter that it is attached to.",
    "   Example targets:",
    "      controller slot=5",
    "      controller chassisname=\"A\"",
    "      controller serialnumber=P21DA2322S",
    "      controller chassisserialnumber=E03KMT9Q41",
    "      controller wwn=500805F3000BAC11",
    "      controller slot=5 array A",
    "      controller chassisname=\"A\" logicaldrive 5",
    "      controller slot=5 physicaldrive 1:5",
    "      controller slot=5 physicaldrive 2:1:12",
    "",
    "For detailed command information type any of the following: ",
    "   help add",
    "   help create",
    "   help delete",
    "   help modify",
    "   help remove",
    "   help shorthand",
    "   help show",
    "   help target",
    "   help rescan",
    "",
    "Help also accepts commonly used CLI parameters and VNL keywords. Adding",
    "additional keywords will further filter the help output. Examples: ",
    "   help ssp        (shows all ssp help including show and modify commands)",
    "   help ssp modify (restricts ssp help to only modify commands)",
    "   help migrate",
    "   help expand   ",
    "   help extend   ",
    "   help <keyword> <keyword> ... <keyword>",
};

constexpr std::string_view kNoMatchOneWord[] = {
    "   No help content matches the search criteria. Please check spelling or try a",
    "   different keyword.",
};

constexpr std::string_view kNoMatchSeveralWords[] = {
    "   No help content matches the search criteria. Results are based on",
    "   commonality sets and it appears there is no commonality between",
    "   the specified keywords. Please check spelling, try different",
    "   keywords, or use fewer keywords in order to broaden your search.",
};

static_assert(std::size(kTopics) == 32);
static_assert(std::size(kFixedQueries) == 9);

} // namespace

std::span<const Topic> topics() { return kTopics; }

std::span<const FixedQuery> fixedQueries() { return kFixedQueries; }

std::span<const std::string_view> genericPage() { return kGenericPage; }

std::span<const std::string_view> noMatchOneWord() { return kNoMatchOneWord; }

std::span<const std::string_view> noMatchSeveralWords() { return kNoMatchSeveralWords; }

} // namespace HelpTopics
