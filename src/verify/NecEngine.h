#pragma once
// The engine that runs nec2c lives in engine/ (the library zeliro_engine).
#include "engine/NecEngine.h"
