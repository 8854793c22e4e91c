#include "FitxerConfiguracio.h"

// Placeholder: the real reader and writer replace this file.
ErrorEscriptura::ErrorEscriptura(const QString &cami)
    : std::runtime_error(QStringLiteral("Unable to write to %1").arg(cami).toStdString())
{
}
FitxerConfiguracio::FitxerConfiguracio(QString cami) : m_cami(std::move(cami)) {}
QString FitxerConfiguracio::ReadString(const QString &, const QString &, const QString &d) const
{
    return d;
}
void FitxerConfiguracio::WriteString(const QString &, const QString &, const QString &) {}
QString FitxerConfiguracio::camiPrograma(const QString &n) { return n; }
QString FitxerConfiguracio::camiFamilia(const QString &n) { return n; }
