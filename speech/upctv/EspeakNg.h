#pragma once

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

// The espeak-ng entry points the engine uses, opened on the first text
// rather than when this library is loaded. espeak-ng brings in the sound
// servers' client libraries and their codecs, about a megabyte and a half
// that a program which lists this engine but never reads with it should not
// pay for.
class EspeakNg
{
public:
    EspeakNg() = default;
    ~EspeakNg() { Tancar(); }
    EspeakNg(const EspeakNg &) = delete;
    EspeakNg &operator=(const EspeakNg &) = delete;

    // Opens espeak-ng and resolves every entry point; false when it is not
    // installed or lacks one. Only the first call tries.
    bool Obrir();
    bool Oberta() const { return m_biblioteca != nullptr; }
    void Tancar();

    struct Funcions {
        decltype(&espeak_ng_InitializePath) InitializePath = nullptr;
        decltype(&espeak_ng_Initialize) Initialize = nullptr;
        decltype(&espeak_ng_ClearErrorContext) ClearErrorContext = nullptr;
        decltype(&espeak_ng_InitializeOutput) InitializeOutput = nullptr;
        decltype(&espeak_ng_Terminate) Terminate = nullptr;
        decltype(&espeak_ng_GetSampleRate) GetSampleRate = nullptr;
        decltype(&espeak_SetSynthCallback) SetSynthCallback = nullptr;
        decltype(&espeak_ng_SetVoiceByName) SetVoiceByName = nullptr;
        decltype(&espeak_ng_SetParameter) SetParameter = nullptr;
        decltype(&espeak_ng_Synthesize) Synthesize = nullptr;
    };
    // The entry points, while open.
    const Funcions *operator->() const { return &m_f; }

private:
    bool Resoldre();

    Funcions m_f;
    void *m_biblioteca = nullptr;
    bool m_provat = false;
};
