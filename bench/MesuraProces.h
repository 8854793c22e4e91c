#pragma once

// Small measurements of the running process, for the start-up and waiting
// benchmarks: wall-clock time, CPU time and peak resident memory.

#include <QFile>
#include <QString>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace Mesura {

// Wall-clock time in nanoseconds, comparable with `date +%s%N` in a shell.
inline long long AraNs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// User plus system CPU time of this process, in milliseconds.
inline double CpuMs()
{
    rusage us{};
    getrusage(RUSAGE_SELF, &us);
    return (us.ru_utime.tv_sec + us.ru_stime.tv_sec) * 1000.0 +
           (us.ru_utime.tv_usec + us.ru_stime.tv_usec) / 1000.0;
}

// Peak resident memory (VmHWM) in kibibytes.
inline long PicMemoriaKiB()
{
    QFile estat(QStringLiteral("/proc/self/status"));
    if (!estat.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &linia : estat.readAll().split('\n'))
        if (linia.startsWith("VmHWM:"))
            return linia.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// One line for the driver script: when the window took input, the peak
// memory at that moment, and the milliseconds of start-up spent showing the
// splash (0 where there is none).
inline void InformarLlest(double splashMs = 0)
{
    std::printf("llest %lld %ld %.2f\n", AraNs(), PicMemoriaKiB(), splashMs);
    std::fflush(stdout);
}

} // namespace Mesura
