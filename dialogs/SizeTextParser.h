#pragma once

// Reads the number a size box holds the way atoi does, but without atoi's
// undefined behaviour on overflow: leading white space is skipped, an
// optional sign and then decimal digits are taken, and reading stops at the
// first other character; text without digits reads as 0. A number beyond
// the range of int saturates: it reads as INT_MAX (2147483647), or INT_MIN
// when negative, however many digits it has.
int ReadSizeText(const char* text);
