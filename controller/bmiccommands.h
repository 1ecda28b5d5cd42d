// bmiccommands - the BMIC command templates. Each is parameterised by a
// trait (bmictraits.h) and owns one buffer of the trait's type, zeroed or
// copied from the caller; result() is the buffer after the command ran.
//
// Addressing:
// - controller commands: detail as given, unit high byte = index-high byte;
// - physical-drive commands: detail = PACK_BMIC_DETAIL(index low byte, 0, 0,
//   0), unit high byte = index high byte; a sense command sent through a
//   remote controller has its detail byte-reversed, once, on its first send;
// - logical-drive commands: unit = logical drive number, detail = block.
// Sense commands convert their buffer to host order after the command,
// set and no-transfer commands to controller order before it. A no-transfer
// command sends no buffer; every other sends the buffer's full size.
#ifndef CONTROLLER_BMICCOMMANDS_H
#define CONTROLLER_BMICCOMMANDS_H

#include <cstdint>

#include "controller/bmicbits.h"
#include "controller/bmiccommand.h"
#include "controller/bmictraits.h"

template <class Trait>
class BmicBufferCommand : public BmicCommand {
public:
    using BufferType = typename Trait::BufferType;

    const BufferType& result() const { return m_buffer; }
    BufferType& buffer() { return m_buffer; }

    void PreProcessCommand() override
    {
        if (m_type != BMICDevice::TRANSFER_FROM_CONTROLLER)
            Trait::ProcessBuffer(m_buffer, 1);
    }

    bool sendCommand(BMICDevice& device, BMICDevice::BMICRequest& request) override
    {
        const bool moves = m_type != BMICDevice::TRANSFER_NONE;
        request.eTransferType = m_type;
        request.bCommand = Trait::command();
        request.dwDetail = m_detail;
        request.wUnit = m_unit;
        request.pData = moves ? static_cast<void*>(&m_buffer) : nullptr;
        request.dwDataLength = moves ? static_cast<std::uint32_t>(sizeof(BufferType)) : 0;
        request.dwExtra = m_extra;
        return device.sendBMICCommand(request);
    }

    void PostProcessCommand() override
    {
        if (m_type == BMICDevice::TRANSFER_FROM_CONTROLLER)
            Trait::ProcessBuffer(m_buffer, 0);
    }

protected:
    BmicBufferCommand(BMICDevice::EnTransferType type, std::uint32_t detail, std::uint16_t unit, std::uint32_t extra,
                      const BufferType* initial)
        : m_buffer(initial ? *initial : BufferType{}), m_type(type), m_detail(detail), m_unit(unit), m_extra(extra)
    {
    }

    BufferType m_buffer;
    BMICDevice::EnTransferType m_type;
    std::uint32_t m_detail;
    std::uint16_t m_unit;
    std::uint32_t m_extra;
};

// ---- controller commands -----------------------------------------------------------------

template <class Trait>
class ControllerCommand : public BmicBufferCommand<Trait> {
protected:
    using typename BmicBufferCommand<Trait>::BufferType;
    ControllerCommand(BMICDevice::EnTransferType type, std::uint32_t detail, std::uint8_t indexHigh,
                      std::uint32_t extra, const BufferType* initial = nullptr)
        : BmicBufferCommand<Trait>(type, detail, static_cast<std::uint16_t>(indexHigh << 8), extra, initial)
    {
    }
};

template <class Trait>
class SenseControllerCommand : public ControllerCommand<Trait> {
public:
    explicit SenseControllerCommand(std::uint32_t detail = 0, std::uint32_t extra = 0)
        : ControllerCommand<Trait>(BMICDevice::TRANSFER_FROM_CONTROLLER, detail, 0, extra)
    {
    }
};

template <class Trait>
class SetControllerCommand : public ControllerCommand<Trait> {
public:
    explicit SetControllerCommand(const typename Trait::BufferType& buffer, std::uint32_t detail = 0,
                                  std::uint32_t extra = 0)
        : ControllerCommand<Trait>(BMICDevice::TRANSFER_TO_CONTROLLER, detail, 0, extra, &buffer)
    {
    }
};

template <class Trait>
class NoTransferControllerCommand : public ControllerCommand<Trait> {
public:
    explicit NoTransferControllerCommand(std::uint32_t detail = 0, std::uint32_t extra = 0)
        : ControllerCommand<Trait>(BMICDevice::TRANSFER_NONE, detail, 0, extra)
    {
    }
};

// ---- physical-drive commands -------------------------------------------------------------

template <class Trait>
class PhysicalDriveCommand : public ControllerCommand<Trait> {
protected:
    PhysicalDriveCommand(BMICDevice::EnTransferType type, std::uint16_t driveIndex, std::uint32_t extra,
                         const typename Trait::BufferType* initial = nullptr)
        : ControllerCommand<Trait>(type, PACK_BMIC_DETAIL(static_cast<std::uint8_t>(driveIndex), 0, 0, 0),
                                   static_cast<std::uint8_t>(driveIndex >> 8), extra, initial)
    {
    }
};

template <class Trait>
class SensePhysicalDriveCommand : public PhysicalDriveCommand<Trait> {
public:
    explicit SensePhysicalDriveCommand(std::uint16_t driveIndex, std::uint32_t extra = 0)
        : PhysicalDriveCommand<Trait>(BMICDevice::TRANSFER_FROM_CONTROLLER, driveIndex, extra)
    {
    }

    bool sendCommand(BMICDevice& device, BMICDevice::BMICRequest& request) override
    {
        if (!m_sentOnce && device.isRemote())
            this->m_detail = ChangeDWordOrder(this->m_detail);
        m_sentOnce = true;
        return PhysicalDriveCommand<Trait>::sendCommand(device, request);
    }

private:
    bool m_sentOnce = false;
};

template <class Trait>
class SetPhysicalDriveCommand : public PhysicalDriveCommand<Trait> {
public:
    SetPhysicalDriveCommand(std::uint16_t driveIndex, const typename Trait::BufferType& buffer, std::uint32_t extra = 0)
        : PhysicalDriveCommand<Trait>(BMICDevice::TRANSFER_TO_CONTROLLER, driveIndex, extra, &buffer)
    {
    }
};

// ---- logical-drive commands --------------------------------------------------------------

template <class Trait>
class LogicalDriveCommand : public BmicBufferCommand<Trait> {
protected:
    LogicalDriveCommand(BMICDevice::EnTransferType type, std::uint16_t logicalDrive, std::uint32_t block,
                        std::uint32_t extra, const typename Trait::BufferType* initial = nullptr)
        : BmicBufferCommand<Trait>(type, block, logicalDrive, extra, initial)
    {
    }
};

template <class Trait>
class SenseLogicalDriveCommand : public LogicalDriveCommand<Trait> {
public:
    explicit SenseLogicalDriveCommand(std::uint16_t logicalDrive, std::uint32_t block = 0, std::uint32_t extra = 0)
        : LogicalDriveCommand<Trait>(BMICDevice::TRANSFER_FROM_CONTROLLER, logicalDrive, block, extra)
    {
    }
};

template <class Trait>
class SetLogicalDriveCommand : public LogicalDriveCommand<Trait> {
public:
    SetLogicalDriveCommand(std::uint16_t logicalDrive, const typename Trait::BufferType& buffer,
                           std::uint32_t block = 0, std::uint32_t extra = 0)
        : LogicalDriveCommand<Trait>(BMICDevice::TRANSFER_TO_CONTROLLER, logicalDrive, block, extra, &buffer)
    {
    }
};

template <class Trait>
class NoTransferLogicalDriveCommand : public LogicalDriveCommand<Trait> {
public:
    explicit NoTransferLogicalDriveCommand(std::uint16_t logicalDrive, std::uint32_t block = 0, std::uint32_t extra = 0)
        : LogicalDriveCommand<Trait>(BMICDevice::TRANSFER_NONE, logicalDrive, block, extra)
    {
    }
};

#endif
