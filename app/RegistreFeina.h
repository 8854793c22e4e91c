#pragma once

#include <QString>

#include <cstdint>

class QPlainTextEdit;

// The record of work: a header block for every practice run and one line
// for every answer judged or question skipped, kept in the main window's
// hidden MemoCarpeta for as long as the program runs, and copied whole to
// the clipboard on demand.
class RegistreFeina
{
public:
    explicit RegistreFeina(QPlainTextEdit *memo) : m_memo(memo) {}

    void Afegir(const QString &linia);
    void Buidar();
    // An empty line, the time of day and the run's title.
    void Capcalera(const QString &titol);
    // The copy trailer (an empty line, the time of day, an empty line), then
    // the whole record onto the clipboard.
    void Copiar();

    // question TAB answer TAB mark TAB "P:" TAB questions TAB "C:" TAB correct
    static QString LiniaResposta(const QString &pregunta, const QString &resposta,
                                 const QString &marca, std::int32_t preguntes,
                                 std::int32_t correctes);

private:
    QPlainTextEdit *m_memo;
    bool m_teLinies = false;
};
