// A library that stands where the engine must never look for espeak-ng: in
// the folder the program was started from. Loading it leaves a mark.
#include <stdlib.h>

__attribute__((constructor)) static void Marcar(void)
{
    setenv("TRIMBOL_ESPEAK_INTRUS", "1", 1);
}
