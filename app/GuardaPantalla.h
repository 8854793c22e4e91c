#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

// Watches over the building of the application object. When Qt's platform
// plugin cannot reach a display it ends the program with qFatal, which
// aborts after a few lines of toolkit detail. While a guard lives, that
// failure prints one line instead and exits with status 1; the platform
// plugin's warnings are held back and passed on only if the program goes on.
class GuardaPantalla
{
public:
    static constexpr int kSenseEscriptori = 1;

    explicit GuardaPantalla(QString liniaError);
    ~GuardaPantalla();
    GuardaPantalla(const GuardaPantalla &) = delete;
    GuardaPantalla &operator=(const GuardaPantalla &) = delete;

private:
    struct Missatge {
        QtMsgType tipus;
        QByteArray categoria;
        QString text;
    };

    static void Gestionar(QtMsgType tipus, const QMessageLogContext &context, const QString &text);

    QString m_linia;
    QtMessageHandler m_anterior = nullptr;
    std::vector<Missatge> m_retinguts;
};
