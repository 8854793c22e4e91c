#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The bytes of a sectioned key=value file, read and edited with the rules of
// the Windows private-profile calls. Lines that an edit does not touch keep
// their bytes exactly, so comments and keys of other programs survive.
//
// Text is UTF-16 after a UTF-16 byte-order mark (and stays so), UTF-8 when the
// bytes are valid UTF-8, otherwise Latin-1 (a file written on Windows). Line
// ends follow the file's own style (LF or CR LF).
class IniDocument
{
public:
    explicit IniDocument(QByteArray contingut = {});

    // The value of `clau` in the first section named `seccio` (the first
    // such key wins), with the blanks around it and one pair of matching
    // quotes around the whole of it removed; nothing when the section or key
    // is missing. Names match without regard to case.
    std::optional<QString> valor(const QString &seccio, const QString &clau) const;

    // Sets the value in place, or adds the key at the end of its section,
    // or adds the section at the end of the file. Line breaks in the value
    // become blanks so that a value can never open a line of its own.
    // Throws std::invalid_argument for a name the format cannot hold.
    void posarValor(const QString &seccio, const QString &clau, const QString &valor);

    // The file's bytes, in its own encoding.
    QByteArray dades() const;
    // Whether dades() gives back every byte that no edit touched: false for
    // a UTF-16 file with an odd byte or half a character pair.
    bool reescrivible() const { return m_reescrivible; }

private:
    struct Linia {
        qsizetype inici;   // first byte of the line
        qsizetype fi;      // end of its text (before CR LF or LF)
        qsizetype seguent; // first byte of the next line
    };
    // Where a key lives: its line and the byte after its '='.
    struct Lloc {
        qsizetype linia = -1;
        qsizetype valor = -1;
    };
    struct Cerca {
        qsizetype seccio = -1;      // line of the section heading
        qsizetype ultimaPlena = -1; // last non-blank line of that section
        Lloc clau;
    };

    void analitzar();
    Cerca buscar(const QString &seccio, const QString &clau) const;
    QString text(qsizetype inici, qsizetype fi) const;
    QByteArray codificar(const QString &text) const;
    void passarAUtf8();
    void inserir(qsizetype posicio, const QByteArray &bytes);

    // A UTF-16 file is held as UTF-8 between reading and writing.
    enum class Utf16 { No, LittleEndian, BigEndian };

    QByteArray m_dades;
    Utf16 m_utf16 = Utf16::No;
    bool m_reescrivible = true;
    QByteArray m_salt = "\n"; // the file's line end
    qsizetype m_inici = 0;    // past a UTF-8 byte-order mark
    bool m_utf8 = true;
    QList<Linia> m_linies;
};
