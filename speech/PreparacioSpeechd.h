#pragma once

#include <QProcessEnvironment>

#include <memory>

class FilSpeechd;

// Gives the desktop's speech service a head start: from the program's
// start, its thread connects and lists the voices while the windows are
// built and the splash is shown, so that the options window, which asks for
// the list later, seldom waits for it. While it lives, the first
// "Speech.SpVoice" object is made from that thread and its list, waiting for
// it at most FilSpeechd::EsperaVeus(); later ones list afresh.
class PreparacioSpeechd
{
public:
    explicit PreparacioSpeechd(
        QProcessEnvironment entorn = QProcessEnvironment::systemEnvironment());
    ~PreparacioSpeechd();
    PreparacioSpeechd(const PreparacioSpeechd &) = delete;
    PreparacioSpeechd &operator=(const PreparacioSpeechd &) = delete;

private:
    struct Estat;

    std::shared_ptr<Estat> m_estat;
};
