#include "Festival.h"

#include "TextFestival.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace
{

using namespace std::chrono_literals;

constexpr const char *kPrograma = "/usr/bin/festival";
constexpr const char *kVeu = "/usr/share/festival/voices/catalan/upc_ca_ona_hts/";
constexpr const char *kDefinicio = "festvox/upc_ca_ona_hts.scm";
constexpr const char *kFitxerVeu = "hts/upc_ca_ona.htsvoice";
// Measured here: 0.5 s to load the voice, 0.2 s for the first text.
constexpr auto kTempsArrencada = 15s;
// One piece is at most a couple of hundred characters: well under a second.
constexpr auto kTempsResposta = 10s;
constexpr auto kTempsEscriptura = 2s;
constexpr auto kLlesca = 50ms; // how often a wait looks at the cancel test
constexpr long kMostresMaximes = 16000L * 600;
// Ona opens every answer with about half a second of silence, which the
// learner would hear as a delay: it is cut down to this much before the
// first sample louder than kLlindarVeu (about -40 dBFS; the silence stays
// below -50).
constexpr int kSilenciInicialMs = 20;
constexpr int kLlindarVeu = 300;

void RetallarSilenciInicial(std::vector<std::int16_t> &mostres, int freqMostreig)
{
    const auto veu = std::find_if(mostres.begin(), mostres.end(),
                                  [](std::int16_t m) { return std::abs(int(m)) >= kLlindarVeu; });
    const auto marge = static_cast<std::ptrdiff_t>(freqMostreig) * kSilenciInicialMs / 1000;
    if (veu - mostres.begin() > marge)
        mostres.erase(mostres.begin(), veu - marge);
}

std::string Entorn(const char *nom, const char *perDefecte)
{
    const char *valor = std::getenv(nom);
    return valor && *valor ? valor : perDefecte;
}

// The voice, and the function that answers each request. Festival's own
// lookup of the voice is bypassed so that the folder checked is the one used.
std::string Inicial(const std::string &veu)
{
    return "(defvar upc_ca_ona_hts::hts_dir " + TextFestival::CadenaScheme(veu) +
           ")\n"
           "(load (path-append upc_ca_ona_hts::hts_dir \"festvox/upc_ca_ona_hts.scm\"))\n"
           "(voice_upc_ca_ona_hts)\n"
           "(define (upctv_dir n text)\n"
           "  (let ((w (utt.wave (utt.synth (eval (list (quote Utterance) (quote Text) text))))))\n"
           "    (format t \"MOSTRES %d %d %d\\n\" n\n"
           "      (cadr (assoc 'num_samples (wave.info w)))\n"
           "      (cadr (assoc 'sample_rate (wave.info w))))\n"
           "    (fflush nil)\n"
           "    (wave.save w \"-\" 'raw)\n"
           "    (fflush nil)\n"
           "    (format t \"FI\\n\")))\n"
           "(utt.synth (Utterance Text \"bon dia\"))\n"
           "(format t \"LLEST %s\\n\" current-voice)\n"
           "(fflush nil)\n";
}

} // namespace

std::optional<Festival::Ubicacio> Festival::Trobar()
{
    Ubicacio u{Entorn("UPCTV_FESTIVAL", kPrograma), Entorn("UPCTV_ONA", kVeu)};
    if (u.veu.back() != '/')
        u.veu += '/';
    if (u.programa.front() != '/' || u.veu.front() != '/' ||
        access(u.programa.c_str(), X_OK) != 0 || access((u.veu + kDefinicio).c_str(), R_OK) != 0 ||
        access((u.veu + kFitxerVeu).c_str(), R_OK) != 0)
        return std::nullopt;
    return u;
}

bool Festival::Arrencar(const Ubicacio &ubicacio, const Cancel &cancel)
{
    Tancar();
    int parell[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, parell) != 0)
        return false;
    posix_spawn_file_actions_t accions;
    posix_spawnattr_t atributs;
    posix_spawn_file_actions_init(&accions);
    posix_spawnattr_init(&atributs);
    // One socket is the child's standard input and output; its messages go
    // nowhere; it inherits none of the program's other files, signal mask or
    // ignored signals.
    posix_spawn_file_actions_adddup2(&accions, parell[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&accions, parell[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&accions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&accions, STDERR_FILENO + 1);
    sigset_t cap, tots;
    sigemptyset(&cap);
    sigfillset(&tots);
    posix_spawnattr_setsigmask(&atributs, &cap);
    posix_spawnattr_setsigdefault(&atributs, &tots);
    posix_spawnattr_setflags(&atributs, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    std::string programa = ubicacio.programa;
    char opcio[] = "--pipe";
    char *arguments[] = {programa.data(), opcio, nullptr};
    const int error =
        posix_spawn(&m_pid, programa.c_str(), &accions, &atributs, arguments, environ);
    posix_spawn_file_actions_destroy(&accions);
    posix_spawnattr_destroy(&atributs);
    close(parell[1]);
    if (error != 0) {
        m_pid = -1;
        close(parell[0]);
        return false;
    }
    m_fd = parell[0];
    fcntl(m_fd, F_SETFL, fcntl(m_fd, F_GETFL) | O_NONBLOCK);

    const Termini termini = std::chrono::steady_clock::now() + kTempsArrencada;
    std::string linia;
    if (Escriure(Inicial(ubicacio.veu), termini)) {
        while (LlegirLinia(linia, termini, cancel)) {
            if (linia == "LLEST upc_ca_ona_hts")
                return true;
            if (linia.rfind("LLEST", 0) == 0)
                break; // another voice answered: this one did not load
        }
    }
    Tancar();
    return false;
}

bool Festival::Demanar(std::string_view text)
{
    if (!Viu())
        return false;
    // snprintf, not std::to_string: that one's table is a unique symbol,
    // which would keep this library mapped after the program frees it.
    char id[16];
    std::snprintf(id, sizeof id, "%u", m_demanats + 1);
    const std::string ordre = std::string("(unwind-protect (upctv_dir ") + id + " " +
                              TextFestival::CadenaScheme(text) + ") (format t \"ERR %d\\n\" " +
                              id + "))\n(fflush nil)\n";
    if (!Escriure(ordre, std::chrono::steady_clock::now() + kTempsEscriptura)) {
        Tancar();
        return false;
    }
    ++m_demanats;
    return true;
}

bool Festival::Rebre(std::vector<std::int16_t> &mostres, int &freqMostreig, const Cancel &cancel)
{
    mostres.clear();
    if (!Viu() || Pendents() == 0)
        return false;
    const unsigned esperat = m_rebuts + 1;
    const Termini termini = std::chrono::steady_clock::now() + kTempsResposta;
    std::string linia;
    while (LlegirLinia(linia, termini, cancel)) {
        unsigned id = 0;
        long nombre = 0;
        int freq = 0;
        if (std::sscanf(linia.c_str(), "ERR %u", &id) == 1 && id == esperat) {
            m_rebuts = esperat;
            return true;
        }
        if (std::sscanf(linia.c_str(), "MOSTRES %u %ld %d", &id, &nombre, &freq) != 3)
            continue; // anything else the child prints
        if (nombre < 0 || nombre > kMostresMaximes)
            break;
        std::vector<std::int16_t> llegides(static_cast<std::size_t>(nombre));
        if (!LlegirBytes(llegides.size() * sizeof(std::int16_t),
                         reinterpret_cast<char *>(llegides.data()), termini, cancel) ||
            !LlegirLinia(linia, termini, cancel) || linia != "FI")
            break;
        if (id == esperat) {
            m_rebuts = esperat;
            RetallarSilenciInicial(llegides, freq);
            mostres = std::move(llegides);
            freqMostreig = freq;
            return true;
        }
    }
    Tancar();
    return false;
}

void Festival::Tancar()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        while (waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    m_pid = -1;
    m_entrada.clear();
    m_demanats = m_rebuts = 0;
}

bool Festival::Escriure(std::string_view ordre, Termini termini)
{
    while (!ordre.empty()) {
        // MSG_NOSIGNAL: a child that has died answers EPIPE, not SIGPIPE.
        const ssize_t escrits = send(m_fd, ordre.data(), ordre.size(), MSG_NOSIGNAL);
        if (escrits > 0) {
            ordre.remove_prefix(static_cast<std::size_t>(escrits));
            continue;
        }
        if (escrits < 0 && errno == EINTR)
            continue;
        if (escrits < 0 && errno != EAGAIN)
            return false;
        const auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(
            termini - std::chrono::steady_clock::now());
        pollfd p{m_fd, POLLOUT, 0};
        if (resta.count() <= 0 || poll(&p, 1, static_cast<int>(resta.count())) <= 0)
            return false;
    }
    return true;
}

bool Festival::LlegirLinia(std::string &linia, Termini termini, const Cancel &cancel)
{
    for (;;) {
        const auto fi = m_entrada.find('\n');
        if (fi != std::string::npos) {
            linia.assign(m_entrada, 0, fi);
            m_entrada.erase(0, fi + 1);
            return true;
        }
        if (!Omplir(termini, cancel))
            return false;
    }
}

bool Festival::LlegirBytes(std::size_t nombre, char *desti, Termini termini, const Cancel &cancel)
{
    while (m_entrada.size() < nombre)
        if (!Omplir(termini, cancel))
            return false;
    std::memcpy(desti, m_entrada.data(), nombre);
    m_entrada.erase(0, nombre);
    return true;
}

bool Festival::Omplir(Termini termini, const Cancel &cancel)
{
    char bloc[65536];
    for (;;) {
        const ssize_t llegits = read(m_fd, bloc, sizeof bloc);
        if (llegits > 0) {
            m_entrada.append(bloc, static_cast<std::size_t>(llegits));
            return true;
        }
        if (llegits == 0 || (errno != EAGAIN && errno != EINTR))
            return false; // the child has gone
        if (cancel && cancel())
            return false;
        const auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(
            termini - std::chrono::steady_clock::now());
        if (resta.count() <= 0)
            return false;
        pollfd p{m_fd, POLLIN, 0};
        poll(&p, 1, static_cast<int>(std::min<long long>(resta.count(), kLlesca.count())));
    }
}
