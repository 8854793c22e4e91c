#pragma once

// The "Accés" window's controls, for the code and tests that drive them.
#include "ui_FinestraAcces.h"
