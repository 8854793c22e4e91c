#include "ObrirBiblioteca.h"

#include <dlfcn.h>
#include <unistd.h>

#include <string>

void *ObrirDeCarpetes(std::string_view carpetes, const char *nom)
{
    while (!carpetes.empty()) {
        const auto fi = carpetes.find(':');
        const std::string_view carpeta = carpetes.substr(0, fi);
        carpetes = fi == std::string_view::npos ? std::string_view{} : carpetes.substr(fi + 1);
        if (carpeta.empty() || carpeta.front() != '/')
            continue;
        const std::string cami = std::string(carpeta) + '/' + nom;
        if (access(cami.c_str(), F_OK) != 0)
            continue;
        if (void *biblioteca = dlopen(cami.c_str(), RTLD_NOW | RTLD_LOCAL))
            return biblioteca;
    }
    return nullptr;
}
