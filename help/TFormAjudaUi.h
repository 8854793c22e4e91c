#pragma once

// The form of the help window, for the code and tests that reach its controls.
#include "ui_TFormAjuda.h"
