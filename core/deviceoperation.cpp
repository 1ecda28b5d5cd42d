#include "core/deviceoperation.h"

#include "core/modelterms.h"

namespace Core {

using namespace Core::ModelTerms;

namespace {

bool hasDefaultAction(const Capability& capabilityClass)
{
    const Common::string action = capabilityClass.getValueFor(ATTR_NAME_ACTION);
    return action == ATTR_VALUE_ACTION_ABSOLUTE || action == ATTR_VALUE_ACTION_BOTH;
}

bool isDefaultInstance(const Capability& instance)
{
    return instance.getValueFor(ATTR_NAME_DEFAULT_VALUE) == ATTR_VALUE_DEFAULT_VALUE_TRUE;
}

bool isClass(const Capability& capability) { return capability.type() == ATTR_NAME_CAPABILITY_CLASS; }

} // namespace

CapabilityPtr DeviceOperation::getCapabilityPtr(const DevicePtr&) { return CapabilityPtr(new Capability()); }

FilterPtr DeviceOperation::pFilterImpl() const { return FilterPtr(new NullFilter()); }

const Common::string& DeviceOperation::name() const
{
    if (m_name.empty())
        m_name = nameImpl();
    return m_name;
}

bool DeviceOperation::operator==(const DeviceOperation& other) const
{
    return name() == other.name() && eType() == other.eType();
}

void DeviceOperation::SetArgument(const Argument& argument)
{
    ClearArgument(argument);
    m_arguments.push_back(argument);
}

void DeviceOperation::ClearArgument(const Argument& argument) { m_arguments.remove(argument); }

DeviceOperation::ArgumentList::const_iterator DeviceOperation::firstArgument(const Common::string& name) const
{
    for (auto it = m_arguments.begin(); it != m_arguments.end(); ++it)
        if (it->second.first == name)
            return it;
    return m_arguments.end();
}

bool DeviceOperation::hasArgument(const Common::string& name) const { return firstArgument(name) != m_arguments.end(); }

Common::string DeviceOperation::getArgValue(const Common::string& name) const
{
    return getArgAnyValue(name).toString();
}

AttributeValue DeviceOperation::getArgAnyValue(const Common::string& name) const
{
    auto found = firstArgument(name);
    return found != m_arguments.end() ? found->second.second : AttributeValue();
}

bool DeviceOperation::setDefaultArguments(const DevicePtr& device)
{
    EnSetDefaultArguments flag = DEFAULTS_NONE_SET;
    if (CapabilityPtr capability = getCapabilityPtr(device))
        SetArgumentsFromCapabilityClassParent(flag, *capability);
    return flag == DEFAULTS_SET;
}

void DeviceOperation::SetArgumentsFromCapabilityClassParent(EnSetDefaultArguments& flag, const Capability& parent)
{
    for (auto child = parent.beginChild(); child != parent.endChild(); ++child)
        if (isClass(**child))
            defaultClass(flag, **child);
}

// One argument class: descend into the instances the given values choose,
// or, when the argument is absent, into the default instances - setting the
// argument to them when the class's action takes absolute values.
void DeviceOperation::defaultClass(EnSetDefaultArguments& flag, const Capability& capabilityClass)
{
    const Common::string name = capabilityClass.getValueFor(ATTR_NAME_ATTRIBUTE_NAME);
    const bool given = hasArgument(name);
    const bool setDefaults = !given && hasDefaultAction(capabilityClass);
    for (auto child = capabilityClass.beginChild(); child != capabilityClass.endChild(); ++child) {
        const Capability& instance = **child;
        if (!instance.hasAttribute(ATTR_NAME_CAPABILITY_INSTANCE))
            continue;
        const AttributeValue value = instance.getPublicValueFor(ATTR_NAME_CAPABILITY_INSTANCE);
        if (given) {
            if (!isChosen(name, value.toString()))
                continue;
        } else if (!isDefaultInstance(instance)) {
            continue;
        } else if (setDefaults) {
            m_arguments.push_back(Argument(ACTION_SET, Attribute(name, value)));
            flag = DEFAULTS_SET;
        }
        SetArgumentsFromCapabilityClassParent(flag, instance);
    }
}

bool DeviceOperation::isChosen(const Common::string& name, const Common::string& valueText) const
{
    for (const Argument& argument : m_arguments)
        if (argument.second.first == name && argument.second.second.toString() == valueText)
            return true;
    return false;
}

DeviceOperationPtr operationNamed(const DeviceOperationList& operations, const Common::string& opName)
{
    for (const DeviceOperationPtr& op : operations)
        if (op && op->name() == opName)
            return op;
    return DeviceOperationPtr();
}

} // namespace Core
