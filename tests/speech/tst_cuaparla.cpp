#include "CuaParla.h"

#include <QTest>

// The queue must never cut off a text being said, and must hand the waiting
// texts over one by one as the engine becomes ready.
class TestCuaParla : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void primerTextEsDiuAra();
    void textsEsperenElTorn();
    void diAraBuidaLaCua();
    void saltar_data();
    void saltar();
    void errorBuidaLaCua();

private:
    QStringList m_dits;
    std::unique_ptr<CuaParla> m_cua;
};

void TestCuaParla::init()
{
    m_dits.clear();
    m_cua = std::make_unique<CuaParla>([this](const QString &t) { m_dits << t; });
}

void TestCuaParla::primerTextEsDiuAra()
{
    m_cua->Afegir("u");
    QCOMPARE(m_dits, QStringList{"u"});
    QVERIFY(m_cua->Ocupada());
}

void TestCuaParla::textsEsperenElTorn()
{
    m_cua->Afegir("u");
    // The engine has not reported Speaking yet: the second text still waits.
    m_cua->Afegir("dos");
    m_cua->EstatCanviat(QTextToSpeech::Speaking);
    m_cua->Afegir("tres");
    QCOMPARE(m_dits, QStringList{"u"});
    QCOMPARE(m_cua->Pendents(), 2);
    m_cua->EstatCanviat(QTextToSpeech::Ready);
    QCOMPARE(m_dits, (QStringList{"u", "dos"}));
    m_cua->EstatCanviat(QTextToSpeech::Speaking);
    m_cua->EstatCanviat(QTextToSpeech::Ready);
    QCOMPARE(m_dits, (QStringList{"u", "dos", "tres"}));
    m_cua->EstatCanviat(QTextToSpeech::Ready);
    QVERIFY(!m_cua->Ocupada());
    m_cua->Afegir("quatre");
    QCOMPARE(m_dits.last(), "quatre");
}

void TestCuaParla::diAraBuidaLaCua()
{
    m_cua->Afegir("u");
    m_cua->Afegir("dos");
    m_cua->DirAra("ara");
    QCOMPARE(m_dits, (QStringList{"u", "ara"}));
    QCOMPARE(m_cua->Pendents(), 0);
}

void TestCuaParla::saltar_data()
{
    QTest::addColumn<int>("nombre");
    QTest::addColumn<QStringList>("seguents");
    QTest::newRow("none") << 0 << QStringList{"dos", "tres", "quatre"};
    QTest::newRow("one") << 1 << QStringList{"tres", "quatre"};
    QTest::newRow("all") << 3 << QStringList{};
    QTest::newRow("largest count") << 2147483646 << QStringList{};
    QTest::newRow("negative") << -1 << QStringList{"dos", "tres", "quatre"};
}

void TestCuaParla::saltar()
{
    QFETCH(int, nombre);
    QFETCH(QStringList, seguents);
    for (const char *t : {"u", "dos", "tres", "quatre"})
        m_cua->Afegir(t);
    m_cua->Saltar(nombre);
    for (int i = 0; i < 4; ++i)
        m_cua->EstatCanviat(QTextToSpeech::Ready);
    QCOMPARE(m_dits.mid(1), seguents);
    QVERIFY(!m_cua->Ocupada());
}

void TestCuaParla::errorBuidaLaCua()
{
    m_cua->Afegir("u");
    m_cua->Afegir("dos");
    m_cua->EstatCanviat(QTextToSpeech::Error);
    QVERIFY(!m_cua->Ocupada());
    m_cua->EstatCanviat(QTextToSpeech::Ready);
    QCOMPARE(m_dits, QStringList{"u"});
}

QTEST_GUILESS_MAIN(TestCuaParla)
#include "tst_cuaparla.moc"
