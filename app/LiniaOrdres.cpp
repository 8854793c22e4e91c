#include "LiniaOrdres.h"

#include <QCommandLineParser>

namespace
{

struct Textos {
    const char *us;
    const char *descripcio;
    const char *opcions;
    const char *ajuda;
    const char *versio;
    const char *notes;
    const char *opcioDesconeguda;
    const char *argumentSobrer;
    const char *provaAjuda;
    const char *senseDisplay;
    const char *pantallaTancada;
};

// %1 is the program's name wherever it appears.
const Textos kCatala = {
    "Ús: %1 [opcions]",
    "Pràctica de càlcul amb teclat gran, lectura en veu alta en català o\n"
    "castellà, escaneig amb polsadors i dos jocs contra el rellotge.",
    "Opcions:",
    "Mostra aquesta ajuda i surt.",
    "Mostra la versió i surt.",
    "La configuració es desa a ~/.config/trimbol/trimbol.ini; una còpia que\n"
    "s'executa des d'una carpeta pròpia (un llapis USB) la desa al costat del\n"
    "programa. Més informació: man trimbol.",
    "%1: l'opció «%2» no existeix.",
    "%1: l'argument «%2» no s'esperava.",
    " Proveu «%1 --help».",
    "%1: cal un escriptori gràfic i no hi ha cap pantalla (DISPLAY i "
    "WAYLAND_DISPLAY són buides).",
    "%1: cal un escriptori gràfic i no s'ha pogut obrir la pantalla «%2».",
};

const Textos kCastella = {
    "Uso: %1 [opciones]",
    "Práctica de cálculo con teclado grande, lectura en voz alta en catalán o\n"
    "castellano, barrido con pulsadores y dos juegos contra el reloj.",
    "Opciones:",
    "Muestra esta ayuda y sale.",
    "Muestra la versión y sale.",
    "La configuración se guarda en ~/.config/trimbol/trimbol.ini; una copia que\n"
    "se ejecuta desde una carpeta propia (un lápiz USB) la guarda junto al\n"
    "programa. Más información: man trimbol.",
    "%1: la opción «%2» no existe.",
    "%1: no se esperaba el argumento «%2».",
    " Pruebe «%1 --help».",
    "%1: se necesita un escritorio gráfico y no hay ninguna pantalla (DISPLAY y "
    "WAYLAND_DISPLAY están vacías).",
    "%1: se necesita un escritorio gráfico y no se ha podido abrir la pantalla «%2».",
};

const Textos kAngles = {
    "Usage: %1 [options]",
    "Arithmetic drill with a large keypad, reading aloud in Catalan or\n"
    "Spanish, switch scanning and two timed games.",
    "Options:",
    "Show this help and exit.",
    "Show the version and exit.",
    "Settings are kept in ~/.config/trimbol/trimbol.ini; a copy run from a\n"
    "folder of its own (a USB stick) keeps them beside the program.\n"
    "More: man trimbol.",
    "%1: unknown option '%2'.",
    "%1: unexpected argument '%2'.",
    " Try '%1 --help'.",
    "%1: a graphical desktop is needed, and no display is set (DISPLAY and "
    "WAYLAND_DISPLAY are empty).",
    "%1: a graphical desktop is needed, and the display '%2' could not be opened.",
};

const Textos &TextosPer(const QStringList &idiomes)
{
    // The first language we have, or English as soon as the user prefers a
    // language we lack.
    for (const QString &idioma : idiomes) {
        if (idioma.startsWith(QLatin1String("ca")))
            return kCatala;
        if (idioma.startsWith(QLatin1String("es")))
            return kCastella;
        if (!idioma.isEmpty() && idioma != QLatin1String("C"))
            break;
    }
    return kAngles;
}

QString Text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

const QString kNom = QStringLiteral("trimbol");

// The options Qt's own start-up reads; they are left for QApplication.
const QStringList kOpcionsQtAmbValor = {QStringLiteral("platform"), QStringLiteral("display"),
                                        QStringLiteral("style")};
const QString kOpcioQtRevers = QStringLiteral("reverse");

// The option as the user typed it ("--colour"), from the bare name the
// parser reports ("colour").
QString ComEsVaEscriure(const QStringList &arguments, const QString &nom)
{
    for (const QString &a : arguments.mid(1)) {
        const QString sense = a.section(QLatin1Char('='), 0, 0);
        if (sense == QLatin1String("--") + nom || sense == QLatin1Char('-') + nom)
            return sense;
    }
    return nom;
}

QString TextAjuda(const Textos &t)
{
    const auto linia = [](const char *noms, const char *text) {
        return QStringLiteral("  %1  %2\n").arg(QLatin1String(noms), -13).arg(Text(text));
    };
    return Text(t.us).arg(kNom) + QLatin1Char('\n') + Text(t.descripcio) + QStringLiteral("\n\n") +
           Text(t.opcions) + QLatin1Char('\n') + linia("-h, --help", t.ajuda) +
           linia("-v, --version", t.versio) + QLatin1Char('\n') + Text(t.notes) + QLatin1Char('\n');
}

} // namespace

LiniaOrdres::LiniaOrdres(const QStringList &arguments, const QStringList &idiomes,
                         const QString &versio)
{
    Analitzar(arguments, idiomes, versio);
}

void LiniaOrdres::Analitzar(const QStringList &arguments, const QStringList &idiomes,
                            const QString &versio)
{
    const Textos &t = TextosPer(idiomes);
    QCommandLineParser parser;
    // "-platform offscreen", as Qt spells its own options, is one option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption ajuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption opcioVersio(
        QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(ajuda);
    parser.addOption(opcioVersio);
    for (const QString &nom : kOpcionsQtAmbValor)
        parser.addOption(QCommandLineOption(nom, QString(), QStringLiteral("valor")));
    parser.addOption(QCommandLineOption(kOpcioQtRevers));

    const auto refusar = [&](const char *format, const QString &que) {
        m_obrir = false;
        m_codi = kErrorUs;
        m_error = Text(format).arg(kNom, que) + Text(t.provaAjuda).arg(kNom) + QLatin1Char('\n');
    };
    if (!parser.parse(arguments)) {
        const QStringList desconegudes = parser.unknownOptionNames();
        // Any other failure is a known option used wrongly (a value missing
        // or one given to an option that takes none); Qt's text names it.
        if (desconegudes.isEmpty())
            refusar("%1: %2", parser.errorText());
        else
            refusar(t.opcioDesconeguda, ComEsVaEscriure(arguments, desconegudes.first()));
        return;
    }
    if (parser.isSet(ajuda)) {
        m_obrir = false;
        m_sortida = TextAjuda(t);
    } else if (parser.isSet(opcioVersio)) {
        m_obrir = false;
        m_sortida = QStringLiteral("%1 %2\n").arg(kNom, versio);
    } else if (!parser.positionalArguments().isEmpty()) {
        refusar(t.argumentSobrer, parser.positionalArguments().first());
    }
}

QString LiniaOrdres::SenseEscriptori(const QStringList &idiomes, const QString &pantalla)
{
    const Textos &t = TextosPer(idiomes);
    if (pantalla.isEmpty())
        return Text(t.senseDisplay).arg(kNom);
    return Text(t.pantallaTancada).arg(kNom, pantalla);
}
