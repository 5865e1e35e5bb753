// The text handed to the desktop shell to open.
#pragma once

#include "link/text.h"

// A new Text equal to `text` with each double quote replaced by "%22". The shell puts its
// target inside double quotes on the browser's command line, so a quote in the target
// would end that quoting and pass the rest as options of their own. No web address and
// no Windows path contains a double quote. Everything else is kept byte for byte; in
// code page 936 the byte 0x22 never occurs inside a two-byte character.
Text shell_target(const char* text);
