#include "sim/profile.h"

#include "controller/bmiclayouts_controller.h"
#include "controller/modeltable.h"
#include "sim/configbuilder.h"
#include "sim/textrecord.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <sstream>

namespace Sim {
namespace {

constexpr std::string_view kModelPrefix = "ATTR_VALUE_CONTROLLER_NAME_";

// ---- text forms of field values ------------------------------------------------------------

std::string hexOf(const std::uint8_t* bytes, size_t n)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(n * 2);
    for (size_t i = 0; i < n; ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    return out;
}

bool bytesOfHex(std::string_view text, std::uint8_t* bytes, size_t n)
{
    if (text.size() != n * 2)
        return false;
    for (size_t i = 0; i < n; ++i) {
        unsigned v = 0;
        auto r = std::from_chars(text.data() + 2 * i, text.data() + 2 * i + 2, v, 16);
        if (r.ec != std::errc() || r.ptr != text.data() + 2 * i + 2)
            return false;
        bytes[i] = static_cast<std::uint8_t>(v);
    }
    return true;
}

std::string wwnText(const std::array<std::uint8_t, 8>& wwn)
{
    std::string out;
    for (size_t i = 0; i < wwn.size(); ++i)
        out += (i ? ":" : "") + hexOf(&wwn[i], 1);
    return out;
}

bool parseWwn(std::string_view text, std::array<std::uint8_t, 8>& wwn)
{
    std::string digits;
    for (char c : text)
        if (c != ':')
            digits += c;
    return bytesOfHex(digits, wwn.data(), wwn.size());
}

bool parseUnsigned(std::string_view text, std::uint64_t& value)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    auto r = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return r.ec == std::errc() && r.ptr == text.data() + text.size() && !text.empty();
}

bool parseBool(std::string_view text, bool& value)
{
    if (text == "yes" || text == "on" || text == "true" || text == "1")
        value = true;
    else if (text == "no" || text == "off" || text == "false" || text == "0")
        value = false;
    else
        return false;
    return true;
}

bool parseScaled(std::string_view text, std::uint64_t& blocks, bool binary)
{
    struct Unit {
        std::string_view suffix;
        double decimalBytes;
        double binaryBytes;
    };
    static const Unit units[] = {
        {"TB", 1e12, 1099511627776.0}, {"GB", 1e9, 1073741824.0}, {"MB", 1e6, 1048576.0}, {"KB", 1e3, 1024.0}};
    for (const Unit& u : units) {
        if (text.size() <= u.suffix.size() || text.substr(text.size() - u.suffix.size()) != u.suffix)
            continue;
        std::string number(text.substr(0, text.size() - u.suffix.size()));
        char* end = nullptr;
        double v = std::strtod(number.c_str(), &end);
        if (end == number.c_str() || *end != '\0' || !(v > 0) || v > 1e6)
            return false;
        blocks = static_cast<std::uint64_t>(v * (binary ? u.binaryBytes : u.decimalBytes) / 512.0);
        return blocks > 0;
    }
    return parseUnsigned(text, blocks) && blocks > 0;
}

// ---- field binding: one list of fields per record kind, read and written alike -----------

class FieldReader {
public:
    FieldReader(const TextRecord& record, std::string& error) : m_record(record), m_error(error) {}
    bool ok() const { return m_ok; }

    void operator()(const char* key, std::string& v)
    {
        if (m_record.has(key))
            v = m_record.get(key);
    }
    void operator()(const char* key, bool& v)
    {
        if (m_record.has(key) && !parseBool(m_record.get(key), v))
            fail(key);
    }
    template <class T>
    requires std::is_integral_v<T>
    void operator()(const char* key, T& v)
    {
        if (!m_record.has(key))
            return;
        std::uint64_t raw = 0;
        std::string text = m_record.get(key);
        bool negative = !text.empty() && text[0] == '-' && std::is_signed_v<T>;
        if (!parseUnsigned(negative ? std::string_view(text).substr(1) : text, raw) ||
            raw > static_cast<std::uint64_t>(std::numeric_limits<T>::max()))
            return fail(key);
        v = negative ? static_cast<T>(-static_cast<std::int64_t>(raw)) : static_cast<T>(raw);
    }
    void operator()(const char* key, Block512& v)
    {
        if (m_record.has(key) && !bytesOfHex(m_record.get(key), v.data(), v.size()))
            fail(key);
    }
    void operator()(const char* key, std::array<std::uint8_t, 8>& v)
    {
        if (m_record.has(key) && !parseWwn(m_record.get(key), v))
            fail(key);
    }

private:
    void fail(const char* key)
    {
        if (m_ok)
            m_error = std::string("bad value for ") + key + ": " + m_record.get(key);
        m_ok = false;
    }
    const TextRecord& m_record;
    std::string& m_error;
    bool m_ok = true;
};

class FieldWriter {
public:
    explicit FieldWriter(TextRecord& record) : m_record(record) {}

    void operator()(const char* key, const std::string& v)
    {
        if (!v.empty())
            m_record.set(key, v);
    }
    void operator()(const char* key, bool v) { m_record.set(key, v ? "yes" : "no"); }
    template <class T>
    requires std::is_integral_v<T>
    void operator()(const char* key, T v) { m_record.set(key, std::to_string(v)); }
    void operator()(const char* key, const Block512& v)
    {
        for (std::uint8_t b : v)
            if (b != 0)
                return m_record.set(key, hexOf(v.data(), v.size()));
    }
    void operator()(const char* key, const WorldWideName& v)
    {
        if (v != WorldWideName{})
            m_record.set(key, wwnText(v));
    }

private:
    TextRecord& m_record;
};

template <class B, class C>
void bindController(B& b, C& c)
{
    b("board", c.boardId);
    b("external", c.external);
    b("bustype", c.busType);
    b("slot", c.slot);
    b("pcidomain", c.pciDomain);
    b("pcibus", c.pciBus);
    b("pcidevice", c.pciDevice);
    b("pcifunction", c.pciFunction);
    b("firmware", c.firmware);
    b("serial", c.serial);
    b("chassis", c.chassisSerial);
    b("node", c.nodeWwn);
    b("cache", c.cacheMB);
    b("batteries", c.batteries);
    b("read", c.readPercent);
    b("defaultread", c.defaultReadPercent);
    b("cachedisabled", c.cacheDisabled);
    b("surfacedelay", c.surfaceDelay);
    b("expandseconds", c.expandSeconds);
    b("queueseconds", c.queueSeconds);
    b("rebuildseconds", c.rebuildSeconds);
    b("maxsafestripe", c.maxSafeStripeMB);
    b("ssp", c.sspEnabled);
    b("activeside", c.activeSide);
    b("lock", c.lockOwner);
    b("parameters", c.parameters);
    b("redundancy", c.redundancy);
    b("maintenance", c.maintenance);
    b("commerror", c.faults.communicationError);
    b("checkconditions", c.faults.checkConditions);
    b("unitattentions", c.faults.unitAttentions);
    b("opcodecheckconditions", c.faults.opcodeCheckConditions);
    b("checkconditionopcode", c.faults.checkConditionOpcode);
    b("checkconditionskip", c.faults.opcodeCheckConditionSkip);
    b("lockedbyother", c.faults.lockedByOtherHost);
    b("garbage", c.faults.garbage);
}

template <class B, class D>
void bindDrive(B& b, D& d)
{
    b("blocks", d.blocks);
    b("reserved", d.reservedBlocks);
    b("rpm", d.rpm);
    b("model", d.model);
    b("serial", d.serial);
    b("firmware", d.firmware);
    b("muted", d.muted);
}

// Names of the drive interface and health values, as profiles write them.
constexpr std::array<std::string_view, 3> kInterfaceNames{"scsi", "sata", "sas"};
constexpr std::array<std::string_view, 3> kHealthNames{"ok", "failed", "predictive"};

template <size_t N>
bool parseName(const std::array<std::string_view, N>& names, const std::string& text, std::uint8_t& value)
{
    for (size_t i = 0; i < N; ++i)
        if (names[i] == text) {
            value = static_cast<std::uint8_t>(i);
            return true;
        }
    return false;
}

template <class B, class L>
void bindLogicalDrive(B& b, L& ld)
{
    b("config", ld.config);
    b("label", ld.label);
    b("volid", ld.volumeId);
    b("access", ld.accessName);
    b("inuse", ld.inUse);
    b("cacheenabled", ld.cacheEnabled);
    b("failed", ld.forcedFailed);
    b("media", ld.mediaExchanged);
    b("task", ld.task);
    b("start", ld.taskStart);
    b("end", ld.taskEnd);
    b("rebuilddrive", ld.rebuildDrive);
}

template <class B, class I>
void bindInitiator(B& b, I& ini)
{
    b("name", ini.connectionName);
    b("hostmode", ini.hostMode);
    b("online", ini.online);
    b("acl", ini.aclMap);
}

// ---- profile conveniences -------------------------------------------------------------------

std::string fullModelKey(const std::string& model)
{
    if (model.rfind(kModelPrefix, 0) == 0)
        return model;
    return std::string(kModelPrefix) + model;
}

// Splits a location into its numbers: "1I:1:3" is port, box, bay; "2:4" is
// bus:id for a parallel SCSI drive and box:bay for any other. A parallel SCSI
// location counts buses from 1, as administrators see them; the firmware counts
// from 0. Any other drive sits at the SCSI address of its drive index `index`.
bool applyLocation(Drive& d, size_t index)
{
    std::vector<std::string> parts;
    std::stringstream ss(d.location);
    for (std::string part; std::getline(ss, part, ':');)
        parts.push_back(part);
    d.bus = static_cast<std::uint8_t>(index / kDrivesPerBus);
    d.target = static_cast<std::uint8_t>(index % kDrivesPerBus);
    std::uint64_t a = 0, b = 0;
    if (parts.size() == 3 && !parts[0].empty() && parts[0].size() <= 2 && parseUnsigned(parts[1], a) &&
        parseUnsigned(parts[2], b) && a < 255 && b < 255) {
        d.port = parts[0];
        d.box = static_cast<std::uint8_t>(a);
        d.bay = static_cast<std::uint8_t>(b);
        return true;
    }
    if (parts.size() != 2 || !parseUnsigned(parts[0], a) || !parseUnsigned(parts[1], b) || a >= 255 || b >= 255)
        return false;
    if (d.iface != IF_PARALLEL) {
        d.box = static_cast<std::uint8_t>(a);
        d.bay = static_cast<std::uint8_t>(b);
        return true;
    }
    if (a == 0)
        return false;
    d.bus = static_cast<std::uint8_t>(a - 1);
    d.target = static_cast<std::uint8_t>(b);
    return true;
}

void putText(char* field, size_t width, const std::string& text)
{
    std::memset(field, 0, width);
    std::memcpy(field, text.data(), std::min(width, text.size()));
}

std::uint8_t priorityByte(const std::string& text) { return text == "high" ? 0x76 : text == "medium" ? 0x40 : 0; }

// Settings a profile may give by name; they live in the stored parameter block.
void applyParameterFields(const TextRecord& r, Controller& c)
{
    CONTROLLER_PARAMETERS p;
    std::memcpy(&p, c.parameters.data(), sizeof p);
    if (r.has("boxname"))
        putText(p.sHardwareName, sizeof p.sHardwareName, r.get("boxname"));
    if (r.has("accessid"))
        putText(p.sAccessID, sizeof p.sAccessID, r.get("accessid"));
    if (r.has("rebuildpriority"))
        p.bRebuildPriority = priorityByte(r.get("rebuildpriority"));
    if (r.has("expandpriority"))
        p.bExpandPriority = priorityByte(r.get("expandpriority"));
    if (r.has("drivewritecache")) {
        bool on = false;
        parseBool(r.get("drivewritecache"), on);
        p.bDriveConfigurationFlags = static_cast<std::uint8_t>((p.bDriveConfigurationFlags & ~1u) | (on ? 1u : 0u));
    }
    std::memcpy(c.parameters.data(), &p, sizeof p);
}

// Storage systems: the redundancy mode the controller pair runs in. Asymmetrical
// active-active starts with paths chosen by the system (implicit path changes).
bool applyRedundancyFields(const TextRecord& r, Controller& c)
{
    if (!r.has("redundancymode"))
        return true;
    const std::string mode = r.get("redundancymode");
    if (mode != "activestandby" && mode != "activeactive")
        return false;
    REDUNDANT_CONTROLLER_PARAMETERS p;
    std::memcpy(&p, c.redundancy.data(), sizeof p);
    p.bCurrentMode = mode == "activeactive" ? 0x02 : 0x01;
    p.wAdditionalFlags = mode == "activeactive" ? 0x0001 : 0;
    std::memcpy(c.redundancy.data(), &p, sizeof p);
    return true;
}

bool parseActiveSpares(const std::string& text, LogicalDrive& ld)
{
    std::stringstream ss(text);
    for (std::string pair; std::getline(ss, pair, ',');) {
        size_t colon = pair.find(':');
        std::uint64_t spare = 0, replaced = 0;
        if (colon == std::string::npos || !parseUnsigned(pair.substr(0, colon), spare) ||
            !parseUnsigned(pair.substr(colon + 1), replaced) || spare > 127 || replaced > 127)
            return false;
        ld.activeSpares.emplace_back(static_cast<std::uint16_t>(spare), static_cast<std::uint16_t>(replaced));
    }
    return true;
}

// ---- loading --------------------------------------------------------------------------------

class Loader {
public:
    Loader(World& world, std::string& error) : m_world(world), m_error(error) {}

    bool line(const TextRecord& r)
    {
        if (r.kind == "controller")
            return controller(r);
        if (r.kind == "drive" || r.kind == "tape")
            return drive(r);
        if (r.kind == "logicaldrive")
            return logicalDrive(r);
        if (r.kind == "initiator")
            return initiator(r);
        if (r.kind == "adapter")
            return adapter(r);
        if (r.kind == "path")
            return path(r);
        return fail("unknown line kind: " + r.kind);
    }

    bool finish()
    {
        for (const Adapter& a : m_world.adapters)
            for (const Path& p : a.paths) {
                const Controller* c = findController(m_world, p.controller);
                if (!c || !c->external)
                    return fail("adapter " + a.name + " reaches no storage system named " + p.controller);
            }
        return true;
    }

private:
    bool fail(const std::string& message)
    {
        m_error = message;
        return false;
    }

    bool needWord(const TextRecord& r)
    {
        return r.words.size() == 1 || fail(r.kind + " needs exactly one name or location");
    }

    bool controller(const TextRecord& r)
    {
        if (!needWord(r))
            return false;
        if (findController(m_world, r.words[0]))
            return fail("two controllers named " + r.words[0]);
        Controller c;
        c.name = r.words[0];
        c.model = fullModelKey(r.get("model"));
        FieldReader reader(r, m_error);
        bindController(reader, c);
        if (!reader.ok())
            return false;
        if (c.boardId == 0) {
            const ModelTable::Model* m = ModelTable::findByKey(c.model);
            if (!m || m->boardId == 0)
                return fail("unknown controller model " + c.model + " (give board= for a custom board)");
            c.boardId = m->boardId;
        }
        applyParameterFields(r, c);
        if (!applyRedundancyFields(r, c))
            return fail("redundancymode is activestandby or activeactive");
        m_world.controllers.push_back(std::move(c));
        m_adapter = nullptr;
        return true;
    }

    Controller* current(const TextRecord& r)
    {
        if (m_world.controllers.empty() || m_adapter) {
            fail(r.kind + " line before any controller line");
            return nullptr;
        }
        return &m_world.controllers.back();
    }

    bool drive(const TextRecord& r)
    {
        Controller* c = current(r);
        if (!c || !needWord(r))
            return false;
        if (c->drives.size() >= 128)
            return fail("more than 128 drives on controller " + c->name);
        Drive d;
        d.location = r.words[0];
        d.tape = r.kind == "tape";
        FieldReader reader(r, m_error);
        bindDrive(reader, d);
        if (!reader.ok())
            return false;
        if (r.has("interface") && !parseName(kInterfaceNames, r.get("interface"), d.iface))
            return fail("unknown interface " + r.get("interface"));
        if (r.has("health") && !parseName(kHealthNames, r.get("health"), d.health))
            return fail("unknown health " + r.get("health"));
        if (r.has("size") && !parseDriveSize(r.get("size"), d.blocks))
            return fail("bad drive size " + r.get("size"));
        if (d.blocks == 0 && !d.tape)
            return fail("drive " + d.location + " needs a size");
        if (!applyLocation(d, c->drives.size()))
            return fail("bad drive location " + d.location);
        for (const Drive& other : c->drives)
            if (other.location == d.location || (other.bus == d.bus && other.target == d.target))
                return fail("two drives at " + d.location);
        c->drives.push_back(std::move(d));
        return true;
    }

    bool logicalDrive(const TextRecord& r)
    {
        Controller* c = current(r);
        if (!c || !needWord(r))
            return false;
        std::uint64_t number = 0;
        if (!parseUnsigned(r.words[0], number) || number > 31)
            return fail("bad logical drive number " + r.words[0]);
        if (c->logicalDrives.count(static_cast<std::uint16_t>(number)))
            return fail("two logical drives numbered " + r.words[0]);
        LogicalDrive ld;
        ld.number = static_cast<std::uint16_t>(number);
        FieldReader reader(r, m_error);
        bindLogicalDrive(reader, ld);
        if (!reader.ok())
            return false;
        if (r.has("activespares") && !parseActiveSpares(r.get("activespares"), ld))
            return fail("bad activespares " + r.get("activespares"));
        if (!r.has("config") && !buildProfileConfig(*c, r, ld, m_error))
            return false;
        c->logicalDrives.emplace(ld.number, std::move(ld));
        return true;
    }

    bool initiator(const TextRecord& r)
    {
        Controller* c = current(r);
        if (!c || !needWord(r))
            return false;
        Initiator ini;
        if (!parseWwn(r.words[0], ini.wwn))
            return fail("bad initiator world-wide name " + r.words[0]);
        FieldReader reader(r, m_error);
        bindInitiator(reader, ini);
        if (!reader.ok())
            return false;
        c->initiators.push_back(std::move(ini));
        return true;
    }

    bool adapter(const TextRecord& r)
    {
        if (!needWord(r))
            return false;
        Adapter a;
        a.name = r.words[0];
        FieldReader reader(r, m_error);
        reader("wwn", a.wwn);
        reader("slot", a.slot);
        if (!reader.ok())
            return false;
        m_world.adapters.push_back(std::move(a));
        m_adapter = &m_world.adapters.back();
        return true;
    }

    bool path(const TextRecord& r)
    {
        if (!m_adapter)
            return fail("path line before any adapter line");
        Path p;
        p.controller = r.get("controller");
        std::string side = r.get("side", "A");
        if (side != "A" && side != "B")
            return fail("path side must be A or B");
        p.side = side == "B" ? 1 : 0;
        FieldReader reader(r, m_error);
        reader("port", p.port);
        if (!reader.ok())
            return false;
        m_adapter->paths.push_back(std::move(p));
        return true;
    }

    World& m_world;
    std::string& m_error;
    Adapter* m_adapter = nullptr;
};

// ---- saving ---------------------------------------------------------------------------------

void saveController(const Controller& c, std::string& out)
{
    TextRecord r;
    r.kind = "controller";
    r.words.push_back(c.name);
    r.set("model", c.model);
    FieldWriter writer(r);
    bindController(writer, c);
    out += formatRecord(r) + '\n';
    for (const Drive& d : c.drives) {
        TextRecord dr;
        dr.kind = d.tape ? "tape" : "drive";
        dr.words.push_back(d.location);
        FieldWriter dw(dr);
        dw("interface", std::string(kInterfaceNames[d.iface % 3]));
        bindDrive(dw, d);
        dw("health", std::string(kHealthNames[d.health % 3]));
        out += formatRecord(dr) + '\n';
    }
    for (const auto& [number, ld] : c.logicalDrives) {
        TextRecord lr;
        lr.kind = "logicaldrive";
        lr.words.push_back(std::to_string(number));
        FieldWriter lw(lr);
        bindLogicalDrive(lw, ld);
        std::string pairs;
        for (const auto& [spare, replaced] : ld.activeSpares)
            pairs += (pairs.empty() ? "" : ",") + std::to_string(spare) + ":" + std::to_string(replaced);
        lw("activespares", pairs);
        out += formatRecord(lr) + '\n';
    }
    for (const Initiator& ini : c.initiators) {
        TextRecord ir;
        ir.kind = "initiator";
        ir.words.push_back(wwnText(ini.wwn));
        FieldWriter iw(ir);
        bindInitiator(iw, ini);
        out += formatRecord(ir) + '\n';
    }
}

void saveAdapter(const Adapter& a, std::string& out)
{
    TextRecord r;
    r.kind = "adapter";
    r.words.push_back(a.name);
    FieldWriter writer(r);
    writer("wwn", a.wwn);
    writer("slot", a.slot);
    out += formatRecord(r) + '\n';
    for (const Path& p : a.paths) {
        TextRecord pr;
        pr.kind = "path";
        pr.set("controller", p.controller);
        pr.set("side", p.side ? "B" : "A");
        pr.set("port", std::to_string(p.port));
        out += formatRecord(pr) + '\n';
    }
}

} // namespace

bool parseDriveSize(std::string_view text, std::uint64_t& blocks) { return parseScaled(text, blocks, false); }

bool parseVolumeSize(std::string_view text, std::uint64_t& blocks) { return parseScaled(text, blocks, true); }

bool loadWorld(std::string_view text, World& world, std::string& error)
{
    world = World{};
    Loader loader(world, error);
    size_t lineNumber = 0;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        std::string why;
        std::optional<TextRecord> record = parseRecordLine(line, why);
        if (!record || (!record->kind.empty() && !loader.line(*record))) {
            error = "line " + std::to_string(lineNumber) + ": " + (record ? error : why);
            return false;
        }
    }
    if (!loader.finish()) {
        error = "line " + std::to_string(lineNumber) + " (end of profile): " + error;
        return false;
    }
    return true;
}

std::string saveWorld(const World& world)
{
    std::string out = "# simulated controllers: state written by the firmware, do not edit while in use\n";
    for (const Controller& c : world.controllers)
        saveController(c, out);
    for (const Adapter& a : world.adapters)
        saveAdapter(a, out);
    return out;
}

} // namespace Sim
