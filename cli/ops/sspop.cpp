#include "cli/ops/sspop.h"

#include "cli/clierror.h"
#include "cli/cliformatter.h"
#include "cli/clihelpers.h"
#include "cli/climessages.h"
#include "core/devicefinder.h"
#include "schema/configmod.h"
#include "schema/storagemod.h"

using namespace Interface::ConfigMod;
using namespace Interface::MORUMod;
using namespace Interface::StorageMod;
using Action = Core::DeviceOperation::EnAction;

namespace {

const char DEFAULT_HOST_MODE[] = "Default";

std::string withoutTrailingBlanks(const std::string& text) { return text.substr(0, text.find_last_not_of(' ') + 1); }

void report(const std::string& message) { CError::log(message, "", 1); }

void setArgument(const Core::DeviceOperationPtr& operation, const char* name, const std::string& value,
                 Action action = Core::DeviceOperation::ACTION_SET)
{
    operation->SetArgument(
        Core::DeviceOperation::Argument(action, Core::Attribute(name, Common::fromStdString(value))));
}

std::string instanceValue(const Core::CapabilityPtr& option)
{
    return Common::toStdString(option->getValueFor(ATTR_NAME_CAPABILITY_INSTANCE));
}

} // namespace

CSSPOp::CSSPOp(const std::string& mask, const std::string& unmask, std::ostream* stream)
    : CPerformOp(stream), m_mask(mask), m_unmask(unmask)
{
}

bool CSSPOp::getDeviceOp(const Core::DevicePtr& drive, Core::DeviceOperationPtr& operation)
{
    operation = Core::DeviceOperationPtr();
    if (validate(drive))
        SSP(drive);
    return false;
}

// ---- SSP state and access lists --------------------------------------------

bool CSSPOp::isSSPEnabled(const Core::DevicePtr& controller) const
{
    const Core::DevicePtr home = box(controller);
    return home && home->hasOperation(OPERATION_WRITE_MANAGE_SSP_STATE) &&
        m_facade.rawVal(home, ATTR_NAME_SSP_STATE) == ATTR_VALUE_SSP_STATE_ENABLED;
}

void CSSPOp::EnableSSP(const Core::DevicePtr& controller, bool on)
{
    if (m_facade.attrVal(controller, ATTR_NAME_SSP_STATE).empty()) {
        report(CLI_MESSAGES::INCORRECT_DEVICE);
        return;
    }
    const Core::DevicePtr home = box(controller);
    Core::DeviceOperationPtr operation = home->getOperation(OPERATION_WRITE_MANAGE_SSP_STATE);
    if (!operation) {
        report(CLI_MESSAGES::NOT_SUPPORTED);
        return;
    }
    setArgument(operation, ATTR_NAME_SSP_STATE, on ? ATTR_VALUE_SSP_STATE_ENABLED : ATTR_VALUE_SSP_STATE_DISABLED);
    m_facade.opErrMsg(perform(home, operation));
}

bool CSSPOp::validate(const Core::DevicePtr& drive)
{
    if (!m_facade.isTargetType(drive, ATTR_VALUE_TYPE_LOGICAL_DRIVE))
        report(CLI_MESSAGES::TARGET_LOGICAL_DRIVE);
    else if (!box(drive)->hasOperation(OPERATION_WRITE_MANAGE_SSP_STATE))
        report(CLI_MESSAGES::NOT_SUPPORTED);
    else if (!isSSPEnabled(drive))
        report(CLI_MESSAGES::SSP_NOT_ENABLED);
    else if (!drive->hasOperation(OPERATION_WRITE_MANAGE_SSP_ACL))
        report(CLI_MESSAGES::NOT_SUPPORTED);
    else
        return true;
    return false;
}

void CSSPOp::SSP(const Core::DevicePtr& drive)
{
    const Core::DevicePtr controller = box(drive);
    std::vector<std::string> masked, unmasked;
    if (!selectedAdapterIDList(controller, true, masked) || !selectedAdapterIDList(controller, false, unmasked))
        return;
    Core::DeviceOperationPtr operation = drive->getOperation(OPERATION_WRITE_MANAGE_SSP_ACL);
    if (!operation) {
        report(CLI_MESSAGES::NOT_SUPPORTED);
        return;
    }
    if (masked.empty() && unmasked.empty())
        return; // nothing to change
    for (const std::string& id : masked)
        setArgument(operation, ATTR_NAME_UNIQUE_ID, m_facade.rawVal(initiator(controller, id), ATTR_NAME_UNIQUE_ID),
                    Core::DeviceOperation::ACTION_REMOVE);
    for (const std::string& id : unmasked)
        setArgument(operation, ATTR_NAME_UNIQUE_ID, m_facade.rawVal(initiator(controller, id), ATTR_NAME_UNIQUE_ID),
                    Core::DeviceOperation::ACTION_ADD);
    m_facade.opErrMsg(perform(drive, operation));
}

bool CSSPOp::selectedAdapterIDList(const Core::DevicePtr& controller, bool mask, std::vector<std::string>& ids)
{
    const std::string& list = mask ? m_mask : m_unmask;
    ids.clear();
    const bool keyword = isKeywordUsable(list, controller);
    if (keyword && list == "all") {
        for (const Core::DevicePtr& adapter : m_facade.initiatorList(box(controller)))
            ids.push_back(m_facade.rawVal(adapter, ATTR_NAME_INITIATOR_ID));
        return true;
    }
    if (keyword && list == "none")
        return true;
    for (const std::string& entry : convertNaming(controller, CLI_HELPERS::cli_split(list, false, ','))) {
        const std::string id = getPaddedAdapterId(controller, entry);
        if (id.empty()) {
            report(CLI_MESSAGES::ADAPTER_ID_UNKNOWN + entry + CLI_MESSAGES::ADAPTER_ID_UNKNOWN_END);
            return false;
        }
        ids.push_back(id);
    }
    return true;
}

bool CSSPOp::isKeywordUsable(const std::string& word, const Core::DevicePtr& controller)
{
    if (word != "all" && word != "none")
        return true;
    for (const Core::DevicePtr& adapter : m_facade.initiatorList(box(controller)))
        if (m_facade.rawVal(adapter, ATTR_NAME_CONNECTION_NAME) == word) {
            print("\n" + CFormatter::format("\"" + word + CLI_MESSAGES::KEYWORD_IS_NAME, "Warning: ", 79) + "\n\n");
            return false;
        }
    return true;
}

std::vector<std::string> CSSPOp::convertNaming(const Core::DevicePtr& controller,
                                               const std::vector<std::string>& list) const
{
    const Core::DeviceList adapters = m_facade.initiatorList(box(controller));
    std::vector<std::string> ids;
    for (const std::string& entry : list) {
        const std::size_t before = ids.size();
        for (const Core::DevicePtr& adapter : adapters)
            if (!entry.empty() && m_facade.rawVal(adapter, ATTR_NAME_CONNECTION_NAME) == entry)
                ids.push_back(m_facade.rawVal(adapter, ATTR_NAME_INITIATOR_ID));
        if (ids.size() == before)
            ids.push_back(entry);
    }
    return ids;
}

std::string CSSPOp::getPaddedAdapterId(const Core::DevicePtr& controller, const std::string& id) const
{
    const std::string typed = withoutTrailingBlanks(id);
    if (typed.empty())
        return std::string();
    for (const Core::DevicePtr& adapter : m_facade.initiatorList(box(controller))) {
        const std::string stored = m_facade.rawVal(adapter, ATTR_NAME_INITIATOR_ID);
        if (withoutTrailingBlanks(stored) == typed)
            return stored;
    }
    return std::string();
}

// ---- adapter names and host modes ------------------------------------------

void CSSPOp::SetConnectionName(const Core::DevicePtr& controller, const std::string& adapterId, const std::string& name)
{
    if (!isSSPEnabled(controller)) {
        report(CLI_MESSAGES::SSP_NOT_ENABLED);
        return;
    }
    const std::size_t wrong = CLI_HELPERS::badNameCharacter(name);
    if (wrong != std::string::npos) {
        report(CLI_MESSAGES::CHARACTER_SYNTAX_ERROR + name.substr(wrong, 1) + CLI_MESSAGES::CONNECTIONNAME_CHARACTER);
        return;
    }
    const std::string id = getPaddedAdapterId(controller, adapterId);
    if (id.empty()) {
        report(CLI_MESSAGES::NAME_ADAPTER_UNKNOWN);
        return;
    }
    const Core::DevicePtr adapter = initiator(controller, id);
    if (name.empty() && hasHostMode(adapter)) {
        report(CLI_MESSAGES::NAME_KEEPS_HOST_MODE);
        return;
    }
    Core::DeviceOperationPtr operation = adapter->getOperation(OPERATION_WRITE_MANAGE_CONNECTION_NAME);
    if (!operation) {
        report(CLI_MESSAGES::NOT_SUPPORTED);
        return;
    }
    if (!m_facade.isWithinMaximumLength(adapter, OPERATION_WRITE_MANAGE_CONNECTION_NAME, ATTR_NAME_CONNECTION_NAME,
                                        name))
        return;
    setArgument(operation, ATTR_NAME_CONNECTION_NAME, name);
    m_facade.opErrMsg(perform(adapter, operation));
}

void CSSPOp::SetHostModes(const Core::DevicePtr& controller, const std::string& specifiers, const std::string& mode)
{
    if (!m_facade.isTargetType(controller, ATTR_VALUE_TYPE_ARRAY_CONTROLLER)) {
        report(CLI_MESSAGES::TARGET_CONTROLLER);
        return;
    }
    if (!isSSPEnabled(controller)) {
        report(CLI_MESSAGES::SSP_NOT_ENABLED);
        return;
    }
    std::vector<std::string> ids;
    for (const std::string& specifier : CLI_HELPERS::cli_split(specifiers, false, ','))
        for (const std::string& entry : convertNaming(controller, {specifier})) {
            ids.push_back(getPaddedAdapterId(controller, entry));
            if (ids.back().empty()) {
                report(CLI_MESSAGES::SPECIFIER_UNKNOWN + specifier + CLI_MESSAGES::SPECIFIER_UNKNOWN_END);
                return;
            }
        }
    for (const std::string& id : ids)
        if (CError::isOK())
            SetHostMode(controller, id, mode);
}

void CSSPOp::SetHostMode(const Core::DevicePtr& controller, const std::string& adapterId, const std::string& mode)
{
    const Core::DevicePtr adapter = initiator(controller, getPaddedAdapterId(controller, adapterId));
    if (!adapter) {
        report(CLI_MESSAGES::HOST_MODE_ADAPTER_UNKNOWN);
        return;
    }
    Core::DeviceOperationPtr operation = adapter->getOperation(OPERATION_WRITE_MANAGE_HOST_MODE);
    if (!operation) {
        report(CLI_MESSAGES::NO_HOST_MODES);
        return;
    }
    const Core::CapabilityPtr modes =
        m_facade.attributeCapability(adapter, OPERATION_WRITE_MANAGE_HOST_MODE, ATTR_NAME_HOST_MODE);
    if (mode == "?") {
        print(m_facade.capOptions(modes, ATTR_NAME_HOST_MODE) + "\n"); // as every "?" is answered
        return;
    }
    const std::string offered = offeredHostMode(modes, mode);
    if (offered.empty()) {
        CError::log(m_facade.capError(controller, ATTR_NAME_HOST_MODE, mode),
                    m_facade.capOptions(modes, ATTR_NAME_HOST_MODE), 1);
        return;
    }
    setArgument(operation, ATTR_NAME_HOST_MODE, offered);
    const Core::OperationReturn result = perform(adapter, operation);
    if (result.getValueFor(ATTR_NAME_STATUS) == ATTR_VALUE_STATUS_ARGUMENT_INVALID)
        report(CLI_MESSAGES::HOST_MODE_NOT_CHANGED);
    else
        m_facade.opErrMsg(result);
}

bool CSSPOp::hasHostMode(const Core::DevicePtr& adapter) const
{
    const std::string mode = m_facade.rawVal(adapter, ATTR_NAME_HOST_MODE);
    return !mode.empty() && mode != DEFAULT_HOST_MODE;
}

// ---- helpers ----------------------------------------------------------------

Core::DevicePtr CSSPOp::box(const Core::DevicePtr& device) const
{
    return m_facade.operationHome(m_facade.controller(device));
}

Core::DevicePtr CSSPOp::initiator(const Core::DevicePtr& controller, const std::string& paddedId) const
{
    if (paddedId.empty())
        return Core::DevicePtr();
    Core::DeviceFinder finder(box(controller));
    finder.Add(Core::Attribute(ATTR_NAME_TYPE, ATTR_VALUE_TYPE_INITIATOR));
    finder.Add(Core::Attribute(ATTR_NAME_INITIATOR_ID, Common::fromStdString(paddedId)));
    return finder.find(Core::DeviceFinder::DIRECTION_DOWN);
}

// The words "default" and "current" and the modes as listed are taken as they
// are; otherwise a mode is matched whatever its case, as "?" lists the modes
// in lower case.
std::string CSSPOp::offeredHostMode(const Core::CapabilityPtr& modes, const std::string& mode) const
{
    if (const Core::CapabilityPtr option = m_facade.hasCapOption2(modes, ATTR_NAME_HOST_MODE, mode))
        return instanceValue(option);
    if (modes)
        for (auto option = modes->beginChild(); option != modes->endChild(); ++option)
            if (CLI_HELPERS::lowerCase(instanceValue(*option)) == CLI_HELPERS::lowerCase(mode))
                return instanceValue(*option);
    return std::string();
}

Core::OperationReturn CSSPOp::perform(const Core::DevicePtr& device, const Core::DeviceOperationPtr& operation)
{
    m_written.push_back(device);
    return device->perform(operation);
}
