#include "AlumneOpcions.h"

#include "FitxerConfiguracio.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <pwd.h>
#include <unistd.h>

namespace {
const QString Trimbol = QStringLiteral("TRIMBOL");
const QString ClauAlumne = QStringLiteral("Alumne");
} // namespace

AlumneOpcions::AlumneOpcions(FitxerConfiguracio &fitxer, QComboBox *combo)
    : m_fitxer(fitxer), m_combo(combo)
{
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMaxCount(1000);
    // Named, so that its screen-reader name follows the language.
    m_combo->lineEdit()->setObjectName(QStringLiteral("EditAlumne"));
}

QString AlumneOpcions::NomUsuari()
{
    // The full name is the first field of the account's comment.
    if (const passwd *compte = getpwuid(getuid())) {
        const QString complet =
            QString::fromLocal8Bit(compte->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
        if (!complet.isEmpty())
            return complet;
        if (compte->pw_name && *compte->pw_name)
            return QString::fromLocal8Bit(compte->pw_name);
    }
    const QString usuari = qEnvironmentVariable("USER");
    return usuari.isEmpty() ? QStringLiteral("Alumne") : usuari;
}

void AlumneOpcions::Llegir()
{
    m_combo->setEditText(m_fitxer.ReadString(Trimbol, ClauAlumne, NomUsuari()));
}

void AlumneOpcions::Escriure() { m_fitxer.WriteString(Trimbol, ClauAlumne, Alumne()); }

QString AlumneOpcions::Alumne() const
{
    const QString nom = m_combo->currentText().simplified();
    return nom.isEmpty() ? NomUsuari() : nom;
}

void AlumneOpcions::setConeguts(const QStringList &alumnes)
{
    const QString actual = m_combo->currentText();
    const QSignalBlocker bloqueig(m_combo);
    m_combo->clear();
    m_combo->addItems(alumnes);
    m_combo->setEditText(actual);
}
