#pragma once

#include <string>
#include <string_view>

// Evaluates the text of an arithmetic expression and returns the text of its
// value: "12", "-3", "2,5". A text that cannot be read comes back followed by
// " = ERROR D'ANÀLISIS"; one that cannot be computed by " = ERROR DE CÀLCUL".
// The result never exceeds 255 characters. UTF-8 in and out; never throws.
std::string AvaluarExpressio(std::string_view text);
