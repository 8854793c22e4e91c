#pragma once

// The report window's controls, for those who read them.
#include "ui_TFormInforme.h"
