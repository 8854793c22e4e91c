#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The program as a Wayland client: under weston's headless compositor, with
// Qt's Wayland plugin, the main window starts and its scan moves the frame
// and the focus from key to key, though the pointer cannot be moved.
class TestWayland : public QObject
{
    Q_OBJECT

    QString weston;

private slots:
    void initTestCase()
    {
        weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
        if (weston.isEmpty())
            QSKIP("weston is not installed");
    }

    void scansUnderAHeadlessCompositor()
    {
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString socol = QStringLiteral("trimbol-%1").arg(QCoreApplication::applicationPid());
        QProcessEnvironment entorn = QProcessEnvironment::systemEnvironment();
        entorn.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        entorn.remove(QStringLiteral("DISPLAY"));
        entorn.remove(QStringLiteral("WAYLAND_DISPLAY"));

        QProcess compositor;
        compositor.setProcessEnvironment(entorn);
        compositor.setProcessChannelMode(QProcess::MergedChannels);
        compositor.start(weston, {QStringLiteral("--backend=headless-backend.so"),
                                  QStringLiteral("--socket=") + socol,
                                  QStringLiteral("--idle-time=0")});
        QVERIFY2(compositor.waitForStarted(5000), qPrintable(compositor.errorString()));
        const auto aturar = qScopeGuard([&compositor] {
            compositor.terminate();
            if (!compositor.waitForFinished(5000)) {
                compositor.kill();
                compositor.waitForFinished(2000);
            }
        });
        QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(QDir(runtime.path()).filePath(socol)) ||
                                      compositor.state() != QProcess::Running,
                                  "weston made no socket", 10000);
        QVERIFY2(compositor.state() == QProcess::Running, compositor.readAll().constData());

        QProcess programa;
        entorn.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        entorn.insert(QStringLiteral("WAYLAND_DISPLAY"), socol);
        programa.setProcessEnvironment(entorn);
        programa.start(QStringLiteral(TRIMBOL_WAYLAND_ESCANEIG), {});
        QVERIFY(programa.waitForStarted(5000));
        if (!programa.waitForFinished(60000)) {
            programa.kill();
            programa.waitForFinished(2000);
            QFAIL("the program did not finish under weston");
        }
        const QString sortida = QString::fromLocal8Bit(programa.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(programa.readAllStandardError());
        QVERIFY2(programa.exitStatus() == QProcess::NormalExit && programa.exitCode() == 0,
                 qPrintable(sortida + errors));
        QVERIFY2(sortida.contains(QStringLiteral("platform=wayland steps=5")), qPrintable(sortida + errors));
        // The fifth key framed has the focus; Wayland refuses the pointer
        // move, so the frame leads.
        QVERIFY2(sortida.contains(QStringLiteral("framed=Button4 focus=Button4")), qPrintable(sortida));
        QVERIFY2(sortida.contains(QStringLiteral("followsFrame=1")), qPrintable(sortida));
    }
};

QTEST_GUILESS_MAIN(TestWayland)
#include "tst_wayland.moc"
