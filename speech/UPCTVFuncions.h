#pragma once

#include "upctv/upctv.h"

#include <QLibrary>
#include <QString>
#include <QStringList>

#include <memory>

// The engine library libupctv.so, loaded at run time, and its ten entry
// points. It is looked for in the program's folder first, then on the
// system's library path, never in the current folder. A library that lacks
// any of the ten exports counts as not loaded.
class UPCTVFuncions
{
public:
    UPCTVFuncions();
    ~UPCTVFuncions();
    UPCTVFuncions(const UPCTVFuncions &) = delete;
    UPCTVFuncions &operator=(const UPCTVFuncions &) = delete;

    // Loads exactly this file from now on instead of searching (tests).
    void setFitxer(const QString &cami) { m_fitxer = cami; }
    // Where the library is looked for, in order, for a program in that folder.
    static QStringList Candidats(const QString &dirPrograma);

    bool Carregada() const { return m_f.status != nullptr; }

    // Loads the library and sets the normal rate; answers whether it loaded.
    bool CarregarUPCTV();
    // Frees and loads the library again, when it is loaded.
    void RecarregarUPCTV();
    void AlliberarUPCTV();
    // Switch to the male or female voice of "catala" (any other text:
    // Spanish), reloading the library first.
    void UPCTVVeuHome(const QString &llengua);
    void UPCTVVeuDona(const QString &llengua);
    // Says the text and returns when the engine is idle again, dispatching
    // window messages meanwhile.
    void UPCTVParlar(const QString &text);
    // Cuts off what is being said and starts the text, without waiting.
    void Llegir(const QString &text);
    // Silences the engine, when loaded.
    void Aturar();
    // Whether the engine is saying something.
    bool Parlant() const { return Carregada() && m_f.status(0) != 0; }

    // An export of the loaded library by name; nullptr when not loaded.
    // For the calls the program itself never makes (tests).
    QFunctionPointer Export(const char *nom)
    {
        return Carregada() ? m_biblioteca.resolve(nom) : nullptr;
    }

    // The text as the engine receives it: only "A" to "Z" lower-cased, one
    // blank appended, Windows Western bytes.
    static QByteArray TextPerAlMotor(const QString &text);

private:
    struct Funcions {
        decltype(&upcTVAbout) about = nullptr;
        decltype(&upcTVRead) read = nullptr;
        decltype(&upcTVReadFile) readFile = nullptr;
        decltype(&upcTVStop) stop = nullptr;
        decltype(&upcTVPause) pause = nullptr;
        decltype(&upcTVResume) resume = nullptr;
        decltype(&upcTVSetLanguage) setLanguage = nullptr;
        decltype(&upcTVSetSpeed) setSpeed = nullptr;
        decltype(&upcTVSetSpeaker) setSpeaker = nullptr;
        decltype(&upcTVStatus) status = nullptr;
    };

    bool Carregar(const QString &cami);
    bool Resoldre();
    void CanviarVeu(const QString &llengua, int parlantCatala, int parlantCastella);

    QString m_fitxer;
    QLibrary m_biblioteca;
    Funcions m_f;
    // Lets a wait inside UPCTVParlar notice that this object is gone.
    std::shared_ptr<int> m_vida = std::make_shared<int>(0);
};
