#include "RegistreFeina.h"

#include "HoraDelDia.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTime>

namespace {
const QString Tab = QStringLiteral("\t");

QString horaActual() { return HoraLlarga(QLocale(), QTime::currentTime()); }
} // namespace

void RegistreFeina::Afegir(const QString &linia)
{
    // An empty document holds no line yet, though it shows one empty block;
    // every later line starts a block of its own, empty lines included.
    QTextCursor cursor(m_memo->document());
    cursor.movePosition(QTextCursor::End);
    if (m_teLinies)
        cursor.insertBlock();
    cursor.insertText(linia);
    m_teLinies = true;
}

void RegistreFeina::Buidar()
{
    m_memo->clear();
    m_teLinies = false;
}

void RegistreFeina::Capcalera(const QString &titol)
{
    Afegir(QString());
    Afegir(horaActual());
    Afegir(titol);
}

void RegistreFeina::Copiar()
{
    Afegir(QString());
    Afegir(horaActual());
    Afegir(QString());
    QString text = m_memo->toPlainText();
#ifdef Q_OS_WIN
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
#endif
    if (QClipboard *portapapers = QGuiApplication::clipboard())
        portapapers->setText(text);
}

QString RegistreFeina::LiniaResposta(const QString &pregunta, const QString &resposta,
                                     const QString &marca, std::int32_t preguntes,
                                     std::int32_t correctes)
{
    return pregunta + Tab + resposta + Tab + marca + Tab + QStringLiteral("P:") + Tab +
           QString::number(preguntes) + Tab + QStringLiteral("C:") + Tab +
           QString::number(correctes);
}
