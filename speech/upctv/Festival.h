#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// Festival with the Catalan voice Ona, run as a child process of its own:
// linked into the program it would cost some 330 MB of resident memory for as
// long as the library is loaded, and its start-up would block the caller.
// The child reads Scheme on its standard input and writes back, for each
// request, a line "MOSTRES id samples rate", the raw 16-bit samples and a
// line "FI". Every wait is bounded and gives up early when the caller's
// cancel test answers true; the child is then closed.
//
// Used by the engine's worker thread only.
class Festival
{
public:
    struct Ubicacio {
        std::string programa; // the festival executable, a full path
        std::string veu;      // the voice's folder, ending in '/'
    };
    using Cancel = std::function<bool()>;

    // Where Festival and the voice are, when both are installed. The
    // environment may name others: UPCTV_FESTIVAL the executable, UPCTV_ONA
    // the voice's folder. A voice folder without its .htsvoice file does not
    // count: Festival would speak noise with it.
    static std::optional<Ubicacio> Trobar();

    Festival() = default;
    ~Festival() { Tancar(); }
    Festival(const Festival &) = delete;
    Festival &operator=(const Festival &) = delete;

    // Starts the child, loads the voice and says a first text unheard, so
    // the first real text is as quick as the later ones.
    bool Arrencar(const Ubicacio &ubicacio, const Cancel &cancel);
    bool Viu() const { return m_pid > 0; }
    // Asks for one piece of ISO-8859-15 text.
    bool Demanar(std::string_view text);
    // Answers asked for and not read yet.
    unsigned Pendents() const { return m_demanats - m_rebuts; }
    // Reads the oldest answer, its leading silence cut short; a piece the
    // voice could not say has no samples. False when the child failed or
    // the wait was cancelled.
    bool Rebre(std::vector<std::int16_t> &mostres, int &freqMostreig, const Cancel &cancel);
    void Tancar();

private:
    using Termini = std::chrono::steady_clock::time_point;

    bool Escriure(std::string_view ordre, Termini termini);
    bool LlegirLinia(std::string &linia, Termini termini, const Cancel &cancel);
    bool LlegirBytes(std::size_t nombre, char *desti, Termini termini, const Cancel &cancel);
    // Waits for more output and appends it; false at the end of the output,
    // the deadline or a cancel.
    bool Omplir(Termini termini, const Cancel &cancel);

    pid_t m_pid = -1;
    int m_fd = -1;
    std::string m_entrada;
    unsigned m_demanats = 0;
    unsigned m_rebuts = 0;
};
