#pragma once

#include <string_view>

// Opens a shared library by its full path, trying each folder of a
// colon-separated list in turn; nullptr when none holds it. A bare name
// would let the loader search LD_LIBRARY_PATH, whose empty entries mean the
// current folder, so a file of that name in whatever folder the program was
// started from could be mapped instead.
void *ObrirDeCarpetes(std::string_view carpetes, const char *nom);

// Looks an entry point up by name; false when the library lacks it.
template <typename F> bool ResoldreUna(void *biblioteca, F &funcio, const char *nom);

#include <dlfcn.h>

template <typename F> bool ResoldreUna(void *biblioteca, F &funcio, const char *nom)
{
    funcio = reinterpret_cast<F>(dlsym(biblioteca, nom));
    return funcio != nullptr;
}
