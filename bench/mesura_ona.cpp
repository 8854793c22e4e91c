// The Catalan woman's voice (Festival's Ona), measured through the engine
// library as the program loads and drives it:
//   latency   from upcTVRead("set per vuit ") to the first sample handed to
//             the sound output, once the voice has been chosen a while
//             before, and read at once after choosing it;
//   memory    this process's resident memory (and Festival's, while it runs)
//             with espeak-ng's voice, with Ona, and after several changes
//             between the two.
// Prints one line per figure; bench/mesura_ona.sh runs it.
#include "UPCTVFuncions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{

using Rellotge = std::chrono::steady_clock;

long RssKiB(const QString &proces)
{
    QFile estat(QStringLiteral("/proc/%1/status").arg(proces));
    if (!estat.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &linia : estat.readAll().split('\n'))
        if (linia.startsWith("VmRSS:"))
            return linia.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Resident memory of this process's children (Festival), 0 without any.
long RssFillsKiB()
{
    long total = 0;
    for (const QString &fil : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile llista(QStringLiteral("/proc/self/task/%1/children").arg(fil));
        if (llista.open(QIODevice::ReadOnly))
            for (const QByteArray &pid : llista.readAll().split(' '))
                if (pid.toInt() > 0)
                    total += std::max(0L, RssKiB(QString::fromLatin1(pid)));
    }
    return total;
}

class Banc
{
public:
    explicit Banc(const QString &fitxer)
    {
        m_upctv.setFitxer(fitxer);
    }
    bool Carregar() { return m_upctv.CarregarUPCTV() && m_upctv.Export("upcTVSamplesProduced"); }

    // Milliseconds from the read to the first sample; waits for the end.
    double Latencia(const char *text)
    {
        auto mostres = reinterpret_cast<decltype(&upcTVSamplesProduced)>(
            m_upctv.Export("upcTVSamplesProduced"));
        const auto inici = Rellotge::now();
        m_upctv.Llegir(QString::fromUtf8(text));
        while (mostres() == 0 && Rellotge::now() - inici < std::chrono::seconds(20))
            QThread::usleep(200);
        const double ms = std::chrono::duration<double, std::milli>(Rellotge::now() - inici).count();
        while (m_upctv.Parlant())
            QThread::msleep(5);
        return ms;
    }
    void Ona() { m_upctv.UPCTVVeuDona(QStringLiteral("catala")); }
    void Espeak() { m_upctv.UPCTVVeuHome(QStringLiteral("catala")); }

private:
    UPCTVFuncions m_upctv;
};

void Informar(const char *que, std::vector<double> valors)
{
    std::sort(valors.begin(), valors.end());
    std::printf("%s median %.1f min %.1f max %.1f n %zu\n", que, valors[valors.size() / 2],
                valors.front(), valors.back(), valors.size());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString fitxer = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QCoreApplication::applicationDirPath() + "/libupctv.so";
    const int voltes = argc > 2 ? std::max(1, atoi(argv[2])) : 15;
    Banc banc(fitxer);
    if (!banc.Carregar()) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(fitxer));
        return 1;
    }
    // espeak-ng's voice first, as a program would before Ona is chosen.
    banc.Espeak();
    banc.Latencia("set per vuit ");
    const long rssEspeak = RssKiB(QStringLiteral("self"));
    std::printf("rss_kib espeak %ld children %ld\n", rssEspeak, RssFillsKiB());

    std::vector<double> triada, deSeguida;
    for (int i = 0; i < voltes; ++i) {
        // A question read a while after choosing the voice...
        banc.Ona();
        QThread::msleep(2000);
        triada.push_back(banc.Latencia("set per vuit "));
        triada.push_back(banc.Latencia("set per vuit "));
        if (i == 0)
            std::printf("rss_kib ona %ld children %ld\n", RssKiB(QStringLiteral("self")),
                        RssFillsKiB());
        // ...and one read the moment it is chosen.
        banc.Espeak();
        banc.Ona();
        deSeguida.push_back(banc.Latencia("set per vuit "));
        banc.Espeak();
        banc.Latencia("set per vuit ");
        std::printf("rss_kib espeak_after_ona %d %ld children %ld\n", i + 1,
                    RssKiB(QStringLiteral("self")), RssFillsKiB());
    }
    Informar("latency_ms chosen_before", triada);
    Informar("latency_ms read_when_chosen", deSeguida);
    const long rssFinal = RssKiB(QStringLiteral("self"));
    std::printf("rss_kib growth_after_%d_changes %ld\n", voltes, rssFinal - rssEspeak);
    return 0;
}
