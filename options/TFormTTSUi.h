#pragma once

// The options window's controls, for the windows that read them (the main
// window reads the operation kind, the read-aloud box and the captions).
#include "ui_TFormTTS.h"
