#pragma once

#include <fontconfig/fontconfig.h>

// Fontconfig's own initialisation reads the enabled configuration and the font caches, and then
// also parses every configuration file it ships disabled, only to list their descriptions; that
// took a third of it. These read what font matching uses and nothing else.

// The configuration and fonts fontconfig's own initialisation would make current, or null where
// that initialisation would have to fill gaps itself (no configuration or no cache folder).
FcConfig *readFontConfiguration();

// Makes fontconfig's current configuration the one readFontConfiguration() reads, or leaves it
// to fontconfig's own initialisation where that returns null or fontconfig is being debugged.
void initializeFontConfiguration();
