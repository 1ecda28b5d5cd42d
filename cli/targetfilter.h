// TargetFilter turns the target of a command line - the words before the
// command word, such as "controller slot=3 array B logicaldrive 2" - into the
// devices the command acts on.
//
// input() runs one selection: it checks the wildcard rule and the target
// grammar, selects the controllers (rescanning the tree for "controller all",
// re-reading a named controller's subtree otherwise, unless the command has
// already read the tree: CDRXModRoot::isFresh), then the arrays, logical,
// physical or tape drives below the first selected controller. A
// physical drive may also be named by a list or range of addresses
// ("physicaldrive 1I:1:1-1I:1:4"), as the drives parameter takes them; below
// an array, its spares are found by address as well as its data drives.
// Every refusal is reported through CError (code 1) and leaves the selection
// empty or stops it where it failed; output() hands the selection on in order.
//
// Controllers that must not be configured are never selected: the standby
// controller of a redundant pair, a second path to a controller already taken
// (same serial number), and a controller whose firmware has the known data
// loss defect (it is shown with a notice instead; a command left without a
// controller by it, or one that would change something, fails with code 1
// and no further message). For commands that change
// something, a controller in an external storage system locked by another
// host is refused; the storage-system locks are held around the command by
// a StorageSystemLock. A filter is not copied: its selection and the locks
// it holds belong to one command.
#ifndef VNL_CLI_TARGETFILTER_H
#define VNL_CLI_TARGETFILTER_H

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cliprinter.h"
#include "cli/ops/cmfacade.h"
#include "core/devicefinder.h"
#include "operations/drxmodroot.h"

class TargetFilter {
public:
    using Words = std::vector<std::string>;
    using DeviceVector = std::vector<Core::DevicePtr>;

    explicit TargetFilter(std::ostream* out);
    TargetFilter(const TargetFilter&) = delete;
    TargetFilter& operator=(const TargetFilter&) = delete;
    virtual ~TargetFilter() = default;

    // Selects the devices of `commandLine`'s target, starting from the
    // devices in [first, last). `quiet` mutes what the filter prints (the
    // firmware notice), never the errors; `changing` is true for every
    // command but "show".
    void input(const std::string& commandLine, DeviceVector::const_iterator first, DeviceVector::const_iterator last,
               bool quiet, bool changing);
    // Appends the selection, in order.
    void output(DeviceVector& devices) const;
    // Every command reads the devices whole, even where the text it prints needs less: for a
    // listing that carries every value the devices have.
    void readEveryDeviceWhole() { m_readWhole = true; }
    void process();
    // Rescans the whole device tree.
    virtual void Rescan();
    // Reads one controller (with the storage system it sits in) again, after
    // a command wrote to it.
    void RescanController(const Core::DevicePtr& controller);

    // The storage-system locks of a changing command; a command takes and
    // gives them back through one StorageSystemLock.
    void LockSelectedControllers();
    void UnlockSelectedControllers();
    // Reports each controller of "controller all" that could not be read (run after the command).
    void ReportUnreadControllers();
    bool isLocked(const Core::DevicePtr& controller);
    bool isFirmwareOK(const Core::DevicePtr& controller);

    // What is wrong with the target words (those before the command word),
    // in the order it is reported; empty for a well-formed target.
    static Words grammarErrors(const Words& words);
    // Reports `message` when `failed`; returns `failed`.
    static bool Validate(bool failed, const std::string& message);
    // "slot=3" -> ("slot", "3"); the value ends at a second separator.
    static std::pair<std::string, std::string> SplitIntoNameValuePair(const std::string& word,
                                                                      const std::string& separator);
    // The first non-empty value given to `name` among the words of [first, last).
    static std::string getTokenValue(Words::const_iterator first, Words::const_iterator last, const std::string& name);
    static std::string upperCase(std::string text);
    // A controller reached through its partner and never selected: one that
    // stands by, or the one in the second chassis slot of a redundant pair
    // whose controllers are both active.
    static bool isRedundantStandby(const Core::DevicePtr& controller);

protected:
    // Where every search starts: the root of the device tree.
    virtual Core::DevicePtr root() const;
    // Re-reads `device`'s subtree from the hardware.
    virtual Core::OperationReturnList reenumerate(const Core::DevicePtr& device);
    // The external storage system of `controller` when it offers the lock
    // and unlock operations; empty otherwise.
    virtual Core::DevicePtr lockableSystem(const Core::DevicePtr& controller) const;
    // Performs the named operation on `device`; a device without it fails.
    virtual Core::OperationReturn performOperation(const Core::DevicePtr& device, const char* operation);

    Words m_targetWords;
    Core::DeviceList m_selected;
    Core::DeviceList m_loadedControllers;
    Core::DeviceList m_lockedControllers;
    Core::DeviceList m_unreadControllers;
    std::string m_controllerSelector;
    std::string m_commandLine;
    CLIPrinter m_printer;
    bool m_changing = false;
    bool m_firmwareRefused = false;
    // How the tree this command needs is read when there is none yet: the controllers alone for
    // "controller all show" or a controller named by slot or serial number, as far as the listing
    // prints for "controller all show config", otherwise whole.
    using RootReader = Core::DevicePtr (*)();
    RootReader m_root = &CDRXModRoot::pModRoot;
    bool m_readWhole = false;

private:
    RootReader rootReaderFor(const Words& words) const;
    std::string word(std::size_t index) const;

    bool processCtrlList();
    std::string notDetected() const;
    void selectByValue(const char* attribute, const std::string& value);
    void selectByChassisName(const std::string& name);
    void selectByCtrlPath(const std::string& path);
    void selectByChassisSerialNumber(const std::string& serial);
    void selectByLocation();
    void LoadTargetList(const Core::DeviceFinder& finder, bool reenumerate);
    void reenumerateSelected(const Core::DevicePtr& controller);
    void setAsideUnreadControllers();
    std::string selectorOf(const Core::DevicePtr& controller) const;

    void processDevices(std::size_t next);
    bool processArrayList(const std::string& id);
    void processDriveStep(std::size_t index, const std::string& arrayId);
    void processLDList(const std::string& id);
    void processPDList(const std::string& id, const std::string& arrayId);
    void selectDriveList(const Core::DevicePtr& start, const std::string& id);
    Core::DevicePtr findTargetDrive(const Core::DevicePtr& start, const std::string& address) const;
    Core::DeviceList allDrives(const Core::DevicePtr& start) const;
    void SetPDTargetDevice(Core::DeviceList& drives, const Core::DevicePtr& array);
    void processTDList(const std::string& id);
    void replaceSelection(const Core::DeviceList& devices, const std::string& emptyMessage);

    void showFirmwareNotice(const Core::DevicePtr& controller);
    bool lockFor(const Core::DevicePtr& system);

    CMFacade m_facade;
};

#endif
