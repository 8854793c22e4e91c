#include "UPCTVFuncions.h"

#include "Esperar.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace
{

constexpr int kVelocitatNormal = 100;
constexpr int kCatala = 99;    // 'c'
constexpr int kCastella = 101; // 'e'
constexpr int kIntervalSondeig = 200;

const QString kNomFitxer = QStringLiteral("libupctv.so");

template <typename T> bool ResoldreExport(QLibrary &biblioteca, T &punt, const char *nom)
{
    punt = reinterpret_cast<T>(biblioteca.resolve(nom));
    return punt != nullptr;
}

} // namespace

UPCTVFuncions::UPCTVFuncions() = default;

UPCTVFuncions::~UPCTVFuncions()
{
    AlliberarUPCTV();
}

bool UPCTVFuncions::CarregarUPCTV()
{
    if (Carregada())
        return true;
    if (!m_fitxer.isEmpty())
        return Carregar(m_fitxer);
    for (const QString &cami : Candidats(QCoreApplication::applicationDirPath()))
        if (QFileInfo::exists(cami) && Carregar(cami))
            return true;
    return false;
}

QStringList UPCTVFuncions::Candidats(const QString &dirPrograma)
{
    // The program's folder first, then where an installation puts it, then
    // the system's library folders. Always a full path: a bare name would
    // let the loader search LD_LIBRARY_PATH, whose empty entries mean the
    // current folder.
    QStringList camins{dirPrograma + QLatin1Char('/') + kNomFitxer,
                       dirPrograma + QStringLiteral("/../lib/trimbol/") + kNomFitxer};
    for (const QString &sistema : {QLibraryInfo::path(QLibraryInfo::LibrariesPath),
                                   QStringLiteral("/usr/local/lib"), QStringLiteral("/usr/lib")})
        camins.append(sistema + QLatin1Char('/') + kNomFitxer);
    return camins;
}

bool UPCTVFuncions::Carregar(const QString &cami)
{
    m_biblioteca.setFileName(cami);
    if (!m_biblioteca.load())
        return false;
    if (!Resoldre()) {
        m_f = {};
        m_biblioteca.unload();
        return false;
    }
    m_f.setSpeed(kVelocitatNormal);
    return true;
}

bool UPCTVFuncions::Resoldre()
{
    // In the order the engine's documentation lists them.
    return ResoldreExport(m_biblioteca, m_f.about, "upcTVAbout") &&
           ResoldreExport(m_biblioteca, m_f.read, "upcTVRead") &&
           ResoldreExport(m_biblioteca, m_f.readFile, "upcTVReadFile") &&
           ResoldreExport(m_biblioteca, m_f.stop, "upcTVStop") &&
           ResoldreExport(m_biblioteca, m_f.pause, "upcTVPause") &&
           ResoldreExport(m_biblioteca, m_f.resume, "upcTVResume") &&
           ResoldreExport(m_biblioteca, m_f.setLanguage, "upcTVSetLanguage") &&
           ResoldreExport(m_biblioteca, m_f.setSpeed, "upcTVSetSpeed") &&
           ResoldreExport(m_biblioteca, m_f.setSpeaker, "upcTVSetSpeaker") &&
           ResoldreExport(m_biblioteca, m_f.status, "upcTVStatus");
}

void UPCTVFuncions::RecarregarUPCTV()
{
    if (!Carregada())
        return;
    m_f = {};
    m_biblioteca.unload();
    Carregar(m_biblioteca.fileName());
}

void UPCTVFuncions::AlliberarUPCTV()
{
    if (!Carregada())
        return;
    m_f = {};
    m_biblioteca.unload();
}

void UPCTVFuncions::UPCTVVeuHome(const QString &llengua)
{
    CanviarVeu(llengua, 0, 1);
}

void UPCTVFuncions::UPCTVVeuDona(const QString &llengua)
{
    CanviarVeu(llengua, 2, 0);
}

void UPCTVFuncions::CanviarVeu(const QString &llengua, int parlantCatala, int parlantCastella)
{
    if (!Carregada())
        return;
    m_f.stop();
    RecarregarUPCTV();
    if (!Carregada())
        return;
    const bool catala = llengua == QLatin1String("catala");
    m_f.setLanguage(catala ? kCatala : kCastella);
    m_f.setSpeaker(catala ? parlantCatala : parlantCastella);
}

QByteArray UPCTVFuncions::TextPerAlMotor(const QString &text)
{
    QString minuscules = text;
    for (QChar &c : minuscules) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    minuscules += QLatin1Char(' ');
    return minuscules.toLatin1();
}

void UPCTVFuncions::UPCTVParlar(const QString &text)
{
    if (!Carregada())
        return;
    m_f.stop();
    const QByteArray bytes = TextPerAlMotor(text);
    m_f.read(bytes.constData());
    // Handlers run during the wait: they may stop, reload or free the
    // library, or even destroy this object.
    const std::weak_ptr<int> vida = m_vida;
    for (;;) {
        if (vida.expired() || !Carregada() || m_f.status(0) == 0)
            return;
        Esperar(kIntervalSondeig);
    }
}

void UPCTVFuncions::Llegir(const QString &text)
{
    if (!Carregada())
        return;
    m_f.stop();
    m_f.read(TextPerAlMotor(text).constData());
}

void UPCTVFuncions::Aturar()
{
    if (Carregada())
        m_f.stop();
}
