// The data of logical drives: one sparse image file per logical drive in the
// state directory, so that tools such as sfdisk or blkid can inspect what
// the configuration tool wrote. An image outlives its logical drive; a new
// logical drive gets a new image.
#ifndef VNL_SIM_VOLUMEIMAGE_H
#define VNL_SIM_VOLUMEIMAGE_H

#include "sim/simmodel.h"

#include <cstdint>
#include <string>

namespace Sim {

// Image file of a logical drive inside imageDir.
std::string imagePath(const std::string& imageDir, const Controller& controller, const LogicalDrive& ld);

// Reads length bytes at block; parts the image never held read as zeros.
bool readImage(const std::string& path, std::uint64_t block, std::uint8_t* data, std::uint32_t length);

// Writes length bytes at block, creating the image when needed.
bool writeImage(const std::string& path, std::uint64_t block, const std::uint8_t* data, std::uint32_t length);

// Gives the image the size of its logical drive; grows only, never cuts data.
bool sizeImage(const std::string& path, std::uint64_t blocks);

} // namespace Sim

#endif
