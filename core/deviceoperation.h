// Core::DeviceOperation - a named action performed on a device.
//
// What a caller may rely on:
// - name() is a fixed OPERATION_* identifier, eType() its kind (read,
//   write, discover, associate). Two operations are equal when name and
//   kind are equal.
// - Arguments are (action, (name, value)) triples in the order set.
//   SetArgument removes an identical triple before appending, so the same
//   triple is never held twice while several values of one name make a
//   multi-valued argument. getArgValue / getArgAnyValue read the first entry
//   of a name and give an empty value for an absent name.
// - Action codes: ACTION_SET (8) sets the value (each member of a list that
//   replaces the present one), ACTION_ADD (1) adds it to the present set,
//   ACTION_REMOVE (4) removes it; ACTION_MODIFY (2) is read as a set by the
//   operations that accept it.
// - setDefaultArguments(device) fills omitted arguments from the default
//   instances of the operation's capability tree and descends into the chosen
//   (given or defaulted) instances so that dependent arguments get theirs;
//   user-given arguments are never changed.
// - Performing goes through Device::perform, which clears the arguments after
//   every run: an operation object starts each use empty.
// - Concrete operations derive from the Schema::Visitor<Class> interfaces of
//   the device classes they apply to; getCapabilityPtr describes their
//   arguments (the base gives an empty capability) and pFilterImpl says where
//   they apply (the base gives a NullFilter).
#ifndef CORE_DEVICEOPERATION_H
#define CORE_DEVICEOPERATION_H

#include "common/containers.h"
#include "common/ctlstring.h"
#include "core/attributepublisher.h"
#include "core/attributesource.h"
#include "core/capability.h"
#include "core/device.h"
#include "core/devicepublisher.h"
#include "core/filter.h"
#include "core/operationsource.h"
#include "core/visitordevice.h"

namespace Core {

class DeviceOperation : public VisitorDevice, public AttributePublisher, public DevicePublisher {
public:
    enum EnAction { ACTION_ADD = 1, ACTION_MODIFY = 2, ACTION_REMOVE = 4, ACTION_SET = 8 };
    enum EnType { TYPE_READ = 0, TYPE_WRITE = 1, TYPE_DISCOVER = 2, TYPE_ASSOCIATE = 3 };
    enum EnTypeModifier { TYPE_MODIFIER_NONE = 0 };
    // In-out flag of the defaulting walk: becomes DEFAULTS_SET once any
    // argument was filled.
    enum EnSetDefaultArguments { DEFAULTS_NONE_SET = 0, DEFAULTS_SET = 1 };

    using Argument = Common::pair<EnAction, Attribute>;
    using ArgumentList = Common::list<Argument>;

    explicit DeviceOperation(EnTypeModifier modifier = TYPE_MODIFIER_NONE) : m_typeModifier(modifier) {}

    virtual CapabilityPtr getCapabilityPtr(const DevicePtr& device);

    // The name is fixed per operation class; it is asked once and kept.
    const Common::string& name() const;
    EnType eType() const { return eTypeImpl(); }
    FilterPtr pFilter() const { return pFilterImpl(); }
    EnTypeModifier typeModifier() const { return m_typeModifier; }
    bool operator==(const DeviceOperation& other) const;

    void SetArgument(const Argument& argument);
    void ClearArgument(const Argument& argument);
    void ClearArgumentList() { m_arguments.clear(); }
    bool hasArgument(const Common::string& name) const;
    Common::string getArgValue(const Common::string& name) const;
    AttributeValue getArgAnyValue(const Common::string& name) const;
    ArgumentList::const_iterator beginArgument() const { return m_arguments.begin(); }
    ArgumentList::const_iterator endArgument() const { return m_arguments.end(); }

    // Returns true when any argument was defaulted.
    bool setDefaultArguments(const DevicePtr& device);
    void SetArgumentsFromCapabilityClassParent(EnSetDefaultArguments& flag, const Capability& parent);

protected:
    virtual Common::string nameImpl() const = 0;
    virtual EnType eTypeImpl() const = 0;
    virtual FilterPtr pFilterImpl() const;

private:
    void defaultClass(EnSetDefaultArguments& flag, const Capability& capabilityClass);
    ArgumentList::const_iterator firstArgument(const Common::string& name) const;
    bool isChosen(const Common::string& name, const Common::string& valueText) const;

    EnTypeModifier m_typeModifier;
    ArgumentList m_arguments;
    mutable Common::string m_name;
};

} // namespace Core

#endif
