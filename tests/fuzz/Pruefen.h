// What the fuzz targets assert: a broken rule stops the run at once, where libFuzzer
// reports the input that broke it.
#pragma once

inline void Pruefen(bool bedingung)
{
    if (!bedingung)
        __builtin_trap();
}
