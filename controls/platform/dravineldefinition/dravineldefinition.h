#pragma once

// Everything of the device definition in one include.
#include "dravineldefinition/controldata.h"
#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/devicedefinitioncenter.h"
#include "dravineldefinition/devicetypes.h"
#include "dravineldefinition/dravineltree.h"
#include "dravineldefinition/edfmode.h"
#include "dravineldefinition/idevicedefinition.h"
#include "dravineldefinition/names.h"
#include "dravineldefinition/sampledata.h"
