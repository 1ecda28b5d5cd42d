// StorageCLI is the command processor: every command line of a console run
// (or the one command of a one-shot run) passes through ExecuteCommandLine.
// A line is routed to help, to the version report, or parsed into target
// words, a command and its (name, value) parameters. The parsed state lives
// until the next line. Everything it prints, errors included, goes to the
// stream it was constructed with. Errors are reported through CError and
// leave isError() set; nothing here throws.
#ifndef VNL_CLI_STORAGECLI_H
#define VNL_CLI_STORAGECLI_H

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/clihelpers.h"
#include "cli/cliprinter.h"
#include "cli/consoleoutput.h"
#include "cli/implicittarget.h"
#include "cli/ops/cmfacade.h"
#include "cli/targetfilter.h"
#include "core/device.h"

class CPerformOp;
class CSSPOp;

class StorageCLI {
public:
    explicit StorageCLI(std::ostream* out);
    virtual ~StorageCLI() = default;

    // Forgets the previous line's parsed state.
    void ReInitialize();
    // Runs one line, already synonym-replaced and lower-cased.
    void ExecuteCommandLine(const std::string& line);
    // Splits the line, runs the syntax checks and fills the parameter list.
    void ParseCommandLine(const std::string& line);
    void ExecuteHelpCommand();
    // Refuses parameters left over after a handler took what it understands;
    // true when there were any.
    bool isExtraneousParams();

    // Runs the parsed command on the devices its target selects, with the
    // selected storage systems locked around the handler.
    virtual void ExecuteCommand();
    void ExecuteRescanCommand();
    // "create type=logicaldrive ...", then a rescan of the controller written.
    void ExecuteCreateCommand();
    void CreateLogicalDrive();
    void ExecuteShowCommand();
    // "modify": changes the one setting named by the first parameter on the
    // selected devices, then reads again only the controllers written.
    void ExecuteModifyCommand();
    // "delete": logical drives (a selection that makes up a whole array or controller becomes
    // that array or controller), arrays, or a controller's whole configuration, after the
    // user confirms; then reads again the controllers written.
    void ExecuteDeleteCommand();
    // Asks whether the selected devices may be deleted; true for "y" or "Y".
    bool shouldDelete();
    // "add drives=...": expands the one array the selected devices lead to; "add spares=..."
    // goes to ExecuteAddSpareCommand.
    void ExecuteAddCommand();
    // Adds `spares` to the spares of each selected device's array; called from modify, the
    // given spares replace the present ones. "forced" skips the failed-spare question.
    void ExecuteAddSpareCommand(bool fromModify, const std::string& spares, bool forced);
    // Removes `spares` ("all", or addresses) from each selected device's array; called from
    // modify, every spare goes.
    void ExecuteRemoveSpareCommand(bool fromModify, const std::string& spares);
    // "show config": the whole configuration of each selected controller.
    void ExecuteShowAllCommand(bool detail);
    // Runs `operation` with `params` (model attribute names, user values)
    // on every selected device until an error is reported.
    void ProcessOp(const std::string& operation, const OpParams& params);

    // Checks a handler makes; each does nothing once `error` is set and sets
    // it when the check fails.
    void forcedCheck(bool& error, bool forced, const std::string& prompt);
    void extraneousCheck(bool& error);
    void targetCheck(bool& error, const std::string& type, const std::string& message);
    // Refuses a value of `keyword` other than the allowed (non-empty) words.
    void valueCheck(bool& error, const std::string& keyword, const std::string& value, const std::string& first,
                    const std::string& second = "", const std::string& third = "", const std::string& fourth = "");

    bool isError() const { return m_error; }

    // What a show command lists besides a whole configuration.
    enum class ShowForm { Devices, Status, Ssp };

protected:
    // Lists the selected devices in `form`; `detail` asks for the long form.
    virtual void showSelected(ShowForm form, bool detail);
    // Lists a controller and every array and drive it holds.
    virtual void showConfiguration(const Core::DevicePtr& controller, bool detail);
    // The arrays, logical drives, physical drives and spares below a
    // controller, in listing order.
    static std::vector<Core::DevicePtr> configuration(const Core::DevicePtr& controller);

    std::string m_commandLine;
    std::vector<std::string> m_tokens;
    std::vector<std::string> m_targetTokens;
    std::vector<std::string> m_commandTokens;
    ParamList m_params;
    bool m_error = false;
    std::ostream* m_out;
    // Errors, prompts and "?" answers go to the same stream as the listings.
    ConsoleOutput::Binding m_output;
    CLIPrinter m_printer;
    std::vector<Core::DevicePtr> m_devices;
    // The devices this command performed a write on, to be read again.
    std::vector<Core::DevicePtr> m_written;
    CMFacade m_facade;
    TargetFilter m_targetFilter;
    CImplicitTarget m_implicitTarget;

private:
    void PrintVersion();
    void reportError(const std::string& message);
    void reportSyntaxError(const std::string& word);
    // Adds one word of the command part to m_params; false after reporting
    // a word that is not allowed.
    bool acceptParam(const std::string& word);
    // Prints an empty line, applies `functor` to each selected device, and
    // prints another empty line.
    void applyToSelected(CPerformOp& functor);
    // Performs the operation on `device`, remembers the device as written
    // and reports a failure.
    void performOn(const Core::DevicePtr& device, const Core::DeviceOperationPtr& operation);

    // delete, add, remove
    bool widenDeleteSelection();
    // Reports a selected device that is neither an array nor a logical drive.
    bool allArraysOrLogicalDrives();
    // Runs `choose` (array, its present spares, the new spare set to fill) for the array of
    // each selected device that offers spare management, and gives the array the chosen set
    // unless it returns false.
    using SpareChoice = std::function<bool(const Core::DevicePtr&, const Core::DeviceList&, Core::DeviceList&)>;
    void eachSpareArray(const SpareChoice& choose);
    bool remainingSpares(const Core::DevicePtr& array, const Core::DeviceList& current, const std::string& list,
                         Core::DeviceList& remaining);

    // modify: one row a keyword, its handlers, and the work they share.
    struct ModifyRow;
    // A row and the values its parameters were given.
    struct ModifyCall;
    using ModifyHandler = void (StorageCLI::*)(const ModifyCall&);
    static const ModifyRow* modifyRow(const std::string& keyword);
    void rereadWritten(bool wholeTree);
    // Applies `work` to each selected device until an error is reported.
    void eachSelected(const std::function<void(const Core::DevicePtr&)>& work);
    void modifySetting(const ModifyCall& call);
    void modifySpares(const ModifyCall& call);
    void modifySurfaceScanDelay(const ModifyCall& call);
    void modifyFailDrive(const ModifyCall& call);
    void modifyLed(const ModifyCall& call);
    void modifyDriveWriteCache(const ModifyCall& call);
    void modifyRedundantController(const ModifyCall& call);
    void modifyNumber(const ModifyCall& call);
    void modifyExtend(const ModifyCall& call);
    void modifyChassisSlot(const ModifyCall& call);
    void modifyChassisName(const ModifyCall& call);
    // Remembers the devices an SSP change wrote, to be read again.
    void keepWritten(const CSSPOp& ssp);
    void modifySsp(const ModifyCall& call);
    void modifyMask(const ModifyCall& call);
    void modifyHostSettings(const ModifyCall& call);
    void modifyArrayAccelerator(const ModifyCall& call);
    void modifyReenable(const ModifyCall& call);
    void SurfaceScanDelay(const Core::DevicePtr& device, const std::string& value);
    void FailDrive(const Core::DevicePtr& drive);
    void ReorderLD(const Core::DevicePtr& drive, const std::string& value);
    void ChangeBoxname(const Core::DevicePtr& device, const std::string& name);
    void ChangeArrayAccel(const Core::DevicePtr& drive, const std::string& value);
    void BlinkDevice(const Core::DevicePtr& device, bool on);
    void ReenableLD(const Core::DevicePtr& drive);
};

#endif
