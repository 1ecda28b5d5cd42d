#include "core/operationregistration.h"

#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/device.h"

namespace Core {

namespace {

struct TypeEntry {
    Common::string name;
    DeviceOperationList* operations;
};

struct RegistrationTables {
    std::vector<TypeEntry> types;
    std::vector<std::unique_ptr<DeviceOperationCreatorBase>> creators;
    std::unordered_map<Common::string, const DeviceOperationCreatorBase*> creatorByName;
    std::unordered_set<Common::string> dependencies; // "type\noperation"
};

RegistrationTables& tables()
{
    static RegistrationTables registered;
    return registered;
}

bool fits(const Common::string& name) { return name.size() <= MAX_REGISTERED_NAME_LENGTH; }

Common::string dependencyKey(const Common::string& typeName, const Common::string& operationName)
{
    return typeName + "\n" + operationName;
}

DeviceOperationList* operationListOf(const Common::string& typeName)
{
    for (const TypeEntry& entry : tables().types)
        if (entry.name == typeName)
            return entry.operations;
    return nullptr;
}

} // namespace

void replaceOrAppendOperation(DeviceOperationList& operations, const DeviceOperationPtr& op)
{
    if (!op)
        return;
    const Common::string name = op->name();
    operations.remove_if([&name](const DeviceOperationPtr& held) { return held->name() == name; });
    operations.push_back(op);
}

bool RegisterSchema(const Common::string& typeName, DeviceOperationList* operationList)
{
    RegistrationTables& registered = tables();
    if (operationListOf(typeName) != nullptr)
        return true;
    if (operationList == nullptr || !fits(typeName) || registered.types.size() >= MAX_REGISTERED_TYPES)
        return false;
    registered.types.push_back(TypeEntry{typeName, operationList});
    return true;
}

bool RegisterOperation(const Common::string& typeName, DeviceOperationCreatorBase* creator)
{
    std::unique_ptr<DeviceOperationCreatorBase> owned(creator);
    DeviceOperationPtr sample = owned ? owned->createOperationPtr() : DeviceOperationPtr();
    if (!sample)
        return false;
    const Common::string name = sample->name();
    RegistrationTables& registered = tables();
    if (!RegisterSchemaOperationDependency(typeName, name) &&
        registered.dependencies.count(dependencyKey(typeName, name)) == 0)
        return false;
    if (registered.creatorByName.count(name) == 0 && registered.creators.size() < MAX_REGISTERED_CREATORS) {
        registered.creatorByName.emplace(name, owned.get());
        registered.creators.push_back(std::move(owned));
    }
    return true;
}

bool RegisterSchemaOperationDependency(const Common::string& typeName, const Common::string& operationName)
{
    RegistrationTables& registered = tables();
    if (!fits(typeName) || !fits(operationName) || registered.dependencies.size() >= MAX_REGISTERED_DEPENDENCIES)
        return false;
    return registered.dependencies.insert(dependencyKey(typeName, operationName)).second;
}

DeviceOperationPtr createOperation(const Common::string& operationName)
{
    const auto& creators = tables().creatorByName;
    auto found = creators.find(operationName);
    return found != creators.end() ? found->second->createOperationPtr() : DeviceOperationPtr();
}

bool Device::RegisterOperation(const Common::string& typeName, const Common::string& opName)
{
    if (tables().dependencies.count(dependencyKey(typeName, opName)) == 0)
        return false;
    DeviceOperationList* operations = operationListOf(typeName);
    DeviceOperationPtr op = createOperation(opName);
    if (operations == nullptr || !op)
        return false;
    replaceOrAppendOperation(*operations, op);
    return true;
}

} // namespace Core
