// Text that comes from outside the program (a file's name, a name read from a file) made safe
// to print on a terminal: a control byte could move the cursor, clear the screen or ring the
// bell of whoever reads the output. Printable ASCII and well-formed UTF-8 stay as they are.
#pragma once

#include <string>

// The text with every control character (C0, DEL, and C1 in UTF-8) and every byte that is not
// part of well-formed UTF-8 written as "\xNN", two lower-case hexadecimal digits.
std::string kuPrintable(const std::string& text);
