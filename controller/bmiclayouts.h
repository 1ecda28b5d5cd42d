// Every BMIC buffer layout the tool exchanges with a controller, grouped by what it describes.
// Include this header for any of them; each group header is also usable on its own.
#pragma once

#include "controller/bmiclayouts_controller.h"
#include "controller/bmiclayouts_logicaldrive.h"
#include "controller/bmiclayouts_physicaldrive.h"
#include "controller/bmiclayouts_storagesystem.h"
