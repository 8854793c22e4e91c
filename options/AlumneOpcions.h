#pragma once

#include <QString>
#include <QStringList>

class FitxerConfiguracio;
class QComboBox;

// The learner named in the options window: an editable list that offers the
// learners the history already knows, stored in the settings file as
// "TRIMBOL" / "Alumne" at every closing. With nothing stored it names the
// desktop's user.
class AlumneOpcions
{
public:
    AlumneOpcions(FitxerConfiguracio &fitxer, QComboBox *combo);

    void Llegir();
    // Throws ErrorEscriptura as the other settings do.
    void Escriure();
    // The learner's name as typed, or the desktop user's when left empty.
    QString Alumne() const;
    void setConeguts(const QStringList &alumnes);

    // The desktop user's full name, or the login name without one.
    static QString NomUsuari();

private:
    FitxerConfiguracio &m_fitxer;
    QComboBox *m_combo;
};
