#include "NavegadorWeb.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace
{
std::optional<QString> &ordreDeProva()
{
    static std::optional<QString> ordre;
    return ordre;
}

// The wait for a killed launcher to go: it has had SIGKILL, so this is only
// the kernel's reaping.
constexpr int esperaFinal = 200;
} // namespace

NavegadorWeb::NavegadorWeb(QObject *parent) : QObject(parent) {}

NavegadorWeb::~NavegadorWeb()
{
    for (QProcess *proces : findChildren<QProcess *>()) {
        proces->disconnect(this);
        if (proces->state() != QProcess::NotRunning) {
            proces->kill();
            proces->waitForFinished(esperaFinal);
        }
    }
}

void NavegadorWeb::setOrdre(std::optional<QString> cami)
{
    ordreDeProva() = std::move(cami);
}

QString NavegadorWeb::Ordre()
{
    if (ordreDeProva())
        return *ordreDeProva();
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}

void NavegadorWeb::Obrir(const QUrl &adreca)
{
    const QString ordre = Ordre();
    if (ordre.isEmpty()) {
        if (!QDesktopServices::openUrl(adreca))
            emit Fallat(adreca);
        return;
    }
    auto *proces = new QProcess(this);
    proces->setProgram(ordre);
    proces->setArguments({adreca.toString(QUrl::FullyEncoded)});
    // Its complaints about each browser it does not find are no news to the
    // learner: the window says it in one line.
    proces->setStandardOutputFile(QProcess::nullDevice());
    proces->setStandardErrorFile(QProcess::nullDevice());
    connect(proces, &QProcess::errorOccurred, this, [this, proces, adreca](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;
        emit Fallat(adreca);
        proces->deleteLater();
    });
    connect(proces, &QProcess::finished, this,
            [this, proces, adreca](int codi, QProcess::ExitStatus estat) {
                if (estat != QProcess::NormalExit || codi != 0)
                    emit Fallat(adreca);
                proces->deleteLater();
            });
    proces->start();
}
