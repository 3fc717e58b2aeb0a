#pragma once
// Everything the windows need from the interface drivers, in one include.
#include "interface/detection.h"
#include "interface/inputs.h"
#include "interface/interfacedisplay.h"
#include "interface/outputs.h"
#include "interface/serialport.h"
