#include "IniDocument.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <stdexcept>

namespace
{
const QByteArray marcaUtf8("\xEF\xBB\xBF");
const QByteArray marcaUtf16LE("\xFF\xFE");
const QByteArray marcaUtf16BE("\xFE\xFF");

bool esUtf8Valid(QByteArrayView bytes)
{
    QStringDecoder decodificador(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignorat = decodificador.decode(bytes);
    return !decodificador.hasError();
}

bool capbeLatin1(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

// A name the file can hold: it must survive being read back as the same name.
QString nomNet(const QString &nom, QChar prohibit, const char *que)
{
    const QString net = nom.trimmed();
    const bool llegible = !net.isEmpty() && !net.contains(prohibit) &&
                          !net.contains(QLatin1Char('\n')) && !net.contains(QLatin1Char('\r')) &&
                          !net.contains(QChar(0)) && !net.startsWith(QLatin1Char(';')) &&
                          !net.startsWith(QLatin1Char('['));
    if (!llegible)
        throw std::invalid_argument(std::string("settings ") + que +
                                    " name not representable: " + nom.toStdString());
    return net;
}

// One pair of the same quote around the whole value goes, as on Windows.
QString senseCometes(const QString &valor)
{
    const bool entreCometes =
        valor.size() >= 2 && valor.front() == valor.back() &&
        (valor.front() == QLatin1Char('"') || valor.front() == QLatin1Char('\''));
    return entreCometes ? valor.mid(1, valor.size() - 2) : valor;
}

QString valorNet(QString valor)
{
    for (QChar &c : valor)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0))
            c = QLatin1Char(' ');
    return valor;
}
} // namespace

IniDocument::IniDocument(QByteArray contingut) : m_dades(std::move(contingut))
{
    if (m_dades.startsWith(marcaUtf16LE) || m_dades.startsWith(marcaUtf16BE)) {
        m_utf16 = m_dades.startsWith(marcaUtf16LE) ? Utf16::LittleEndian : Utf16::BigEndian;
        const QByteArray original = std::move(m_dades);
        // A second mark right after the first is text, not a mark.
        QStringDecoder decodificador(m_utf16 == Utf16::LittleEndian ? QStringDecoder::Utf16LE
                                                                    : QStringDecoder::Utf16BE,
                                     QStringDecoder::Flag::ConvertInitialBom);
        const QString text = decodificador.decode(QByteArrayView(original).sliced(2));
        m_dades = text.toUtf8();
        m_reescrivible = !decodificador.hasError() && dades() == original;
    }
    analitzar();
}

QByteArray IniDocument::dades() const
{
    if (m_utf16 == Utf16::No)
        return m_dades;
    QStringEncoder codificador(m_utf16 == Utf16::LittleEndian ? QStringEncoder::Utf16LE
                                                              : QStringEncoder::Utf16BE);
    // A mark at the start of the text is text (fromUtf8 would drop it).
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8.decode(m_dades);
    return (m_utf16 == Utf16::LittleEndian ? marcaUtf16LE : marcaUtf16BE) +
           QByteArray(codificador.encode(text));
}

void IniDocument::analitzar()
{
    m_inici = m_dades.startsWith(marcaUtf8) ? marcaUtf8.size() : 0;
    m_utf8 = esUtf8Valid(QByteArrayView(m_dades).sliced(m_inici));
    m_linies.clear();
    qsizetype inici = m_inici;
    while (inici < m_dades.size()) {
        const qsizetype salt = m_dades.indexOf('\n', inici);
        const qsizetype seguent = salt < 0 ? m_dades.size() : salt + 1;
        qsizetype fi = salt < 0 ? m_dades.size() : salt;
        if (fi > inici && m_dades.at(fi - 1) == '\r')
            --fi;
        m_linies.append({inici, fi, seguent});
        inici = seguent;
    }
    // The file's style is that of its first line end.
    const qsizetype primerSalt = m_dades.indexOf('\n', m_inici);
    m_salt = primerSalt > m_inici && m_dades.at(primerSalt - 1) == '\r' ? QByteArray("\r\n")
                                                                        : QByteArray("\n");
}

QString IniDocument::text(qsizetype inici, qsizetype fi) const
{
    const QByteArrayView bytes = QByteArrayView(m_dades).sliced(inici, fi - inici);
    return m_utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

QByteArray IniDocument::codificar(const QString &text) const
{
    return m_utf8 ? text.toUtf8() : text.toLatin1();
}

IniDocument::Cerca IniDocument::buscar(const QString &seccio, const QString &clau) const
{
    Cerca cerca;
    bool dins = false;
    for (qsizetype i = 0; i < m_linies.size(); ++i) {
        const Linia &linia = m_linies.at(i);
        const QString contingut = text(linia.inici, linia.fi).trimmed();
        if (contingut.startsWith(QLatin1Char('[')) && contingut.contains(QLatin1Char(']'))) {
            // Only the first section of a name counts, as on Windows.
            if (dins)
                return cerca;
            const QString nom = contingut.mid(1, contingut.indexOf(QLatin1Char(']')) - 1).trimmed();
            dins = nom.compare(seccio, Qt::CaseInsensitive) == 0;
            if (dins)
                cerca.seccio = cerca.ultimaPlena = i;
            continue;
        }
        if (!dins || contingut.isEmpty())
            continue;
        cerca.ultimaPlena = i;
        const qsizetype igual =
            QByteArrayView(m_dades).sliced(linia.inici, linia.fi - linia.inici).indexOf('=');
        if (contingut.startsWith(QLatin1Char(';')) || igual < 0)
            continue;
        if (cerca.clau.linia < 0 &&
            text(linia.inici, linia.inici + igual).trimmed().compare(clau, Qt::CaseInsensitive) ==
                0)
            cerca.clau = {i, linia.inici + igual + 1};
    }
    return cerca;
}

std::optional<QString> IniDocument::valor(const QString &seccio, const QString &clau) const
{
    const Lloc lloc = buscar(seccio.trimmed(), clau.trimmed()).clau;
    if (lloc.linia < 0)
        return std::nullopt;
    QString valor = text(lloc.valor, m_linies.at(lloc.linia).fi);
    // The value ends at a NUL, as it would in a C buffer.
    const qsizetype nul = valor.indexOf(QChar(0));
    if (nul >= 0)
        valor.truncate(nul);
    return senseCometes(valor.trimmed());
}

void IniDocument::passarAUtf8()
{
    const QByteArray marca = m_dades.first(m_inici);
    m_dades = marca + QString::fromLatin1(QByteArrayView(m_dades).sliced(m_inici)).toUtf8();
    analitzar();
}

void IniDocument::inserir(qsizetype posicio, const QByteArray &bytes)
{
    m_dades.insert(posicio, bytes);
    analitzar();
}

void IniDocument::posarValor(const QString &seccio, const QString &clau, const QString &valor)
{
    const QString nomSeccio = nomNet(seccio, QLatin1Char(']'), "section");
    const QString nomClau = nomNet(clau, QLatin1Char('='), "key");
    const QString net = valorNet(valor);
    // A Windows file keeps its encoding unless the new text does not fit it.
    if (!m_utf8 && !(capbeLatin1(nomSeccio) && capbeLatin1(nomClau) && capbeLatin1(net)))
        passarAUtf8();

    const Cerca cerca = buscar(nomSeccio, nomClau);
    if (cerca.clau.linia >= 0) {
        const Linia &linia = m_linies.at(cerca.clau.linia);
        m_dades.replace(cerca.clau.valor, linia.fi - cerca.clau.valor, codificar(net));
        analitzar();
        return;
    }
    const QByteArray novaClau = codificar(nomClau) + '=' + codificar(net) + m_salt;
    if (cerca.seccio >= 0) {
        const Linia &darrera = m_linies.at(cerca.ultimaPlena);
        const bool senseSalt = darrera.seguent == darrera.fi;
        inserir(darrera.seguent, (senseSalt ? m_salt : QByteArray()) + novaClau);
        return;
    }
    QByteArray afegit;
    if (!m_linies.isEmpty()) {
        const Linia &darrera = m_linies.last();
        if (darrera.seguent == darrera.fi)
            afegit += m_salt;
        if (darrera.fi > darrera.inici)
            afegit += m_salt; // a blank line between sections
    }
    afegit += '[' + codificar(nomSeccio) + ']' + m_salt + novaClau;
    inserir(m_dades.size(), afegit);
}
