#include "PrecarregaMotors.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QTest>

// The head start for the speech engines: the libraries it names stay
// loaded for the engines to find, and a missing one changes nothing.
class TestPrecarregaMotors : public QObject
{
    Q_OBJECT

private slots:
    void deixaCarregades();
    void nomesLesQueHiSon();
};

void TestPrecarregaMotors::deixaCarregades()
{
    const QString cami = QCoreApplication::applicationDirPath() + "/libupctv_incompleta.so";
    QVERIFY(!QLibrary(cami).isLoaded());
    {
        const PrecarregaMotors precarrega({cami, "libno_existeix_enlloc.so.7"});
    } // waits for the thread
    QVERIFY(QLibrary(cami).isLoaded());
}

void TestPrecarregaMotors::nomesLesQueHiSon()
{
    const QString cami = QCoreApplication::applicationDirPath() + "/libupctv_fals.so";
    QCOMPARE(PrecarregaMotors::Carregar({"libno_existeix_enlloc.so.7", cami, ""}), 1);
    // The desktop's engine list names the flite plugin and its voices; the
    // speech service is reached through its client library, linked in.
    const QStringList motors = PrecarregaMotors::BibliotequesMotors();
    QVERIFY(motors.size() > 1);
    QVERIFY(motors.at(0).endsWith("/texttospeech/libqtexttospeech_flite.so"));
    QVERIFY(!motors.join(' ').contains("speechd"));
}

QTEST_GUILESS_MAIN(TestPrecarregaMotors)
#include "tst_precarregamotors.moc"
