#include "GuardaPantalla.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace
{

// The guard in force: a message handler is a plain function.
GuardaPantalla *g_guarda = nullptr;

} // namespace

GuardaPantalla::GuardaPantalla(QString liniaError) : m_linia(std::move(liniaError))
{
    g_guarda = this;
    m_anterior = qInstallMessageHandler(&GuardaPantalla::Gestionar);
}

GuardaPantalla::~GuardaPantalla()
{
    qInstallMessageHandler(m_anterior);
    g_guarda = nullptr;
    for (const Missatge &m : m_retinguts) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.categoria.constData());
        if (m_anterior)
            m_anterior(m.tipus, context, m.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(m.text));
    }
}

void GuardaPantalla::Gestionar(QtMsgType tipus, const QMessageLogContext &context,
                               const QString &text)
{
    GuardaPantalla &g = *g_guarda;
    if (tipus == QtFatalMsg) {
        // Returning would abort; the half-built application is left as it is.
        std::fprintf(stderr, "%s\n", g.m_linia.toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(kSenseEscriptori);
    }
    const QByteArray categoria(context.category ? context.category : "");
    if (categoria.startsWith("qt.qpa")) {
        g.m_retinguts.push_back({tipus, categoria, text});
        return;
    }
    if (g.m_anterior)
        g.m_anterior(tipus, context, text);
}
