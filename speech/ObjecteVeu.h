#pragma once

#include "LlistaVeus.h"

#include <QString>

// A speech voice object: exactly the members the program calls. Any member
// may throw (ErrorVeu or anything else); callers guard every call.
class ObjecteVeu
{
public:
    // Flags of Speak.
    static constexpr int kAsincron = 1;    // return at once, speak in the background
    static constexpr int kBuidarAbans = 2; // drop what is waiting and speak now

    virtual ~ObjecteVeu() = default;

    virtual LlistaVeus GetVoices() = 0;
    // Speak with `veu` from now on.
    virtual void setVoice(const Veu &veu) = 0;
    // Without kBuidarAbans the text is spoken after any text still being
    // spoken or waiting.
    virtual void Speak(const QString &text, int flags) = 0;
    // Skips `nombre` units of `tipus` ("Sentence" is the one unit there is).
    virtual void Skip(const QString &tipus, int nombre) = 0;
    // Whether a text is being said or waits to be: scanning waits for the
    // word of the framed key. An object that cannot tell says no.
    virtual bool Parlant() const { return false; }
};
