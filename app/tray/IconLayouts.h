#pragma once
// Per-desktop icon layouts: the mirror written to and applied from the desktop's ".twk"
// file (sections "Settings" and "Positions", one record "Icon" + k per mirror entry).
#include "IconMirror.h"

#include <cstdint>
#include <string>

// Writes the layout of desktop n from the mirror with fresh positions; an empty mirror
// leaves the file as it was.
void SaveIconLayout(IconMirror& mirror, int16_t desktop);

// Matches the records of desktop n's file to the mirror entries (by text, in record
// order) and moves the icons to the recorded places. Malformed records restore what they
// can; a missing file restores nothing.
void RestoreIconLayout(IconMirror& mirror, int16_t desktop);

// The caption state of an entry: 0 when its text equals its tag, -1 when the tag is
// empty, else the tag's length in characters.
int CaptionState(const IconEntry& entry);
