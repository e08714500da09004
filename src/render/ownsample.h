#pragma once

#include <QString>

#include "catalogue/charcoverage.h"

class TFontInfo;

namespace platform {
struct Services;
}

// "Option"/"OwnSample": a row whose face has none of the sample text's letters (a Hangul-only
// or a symbol font under a Latin sample) draws a short sample the face can show instead of a
// line of missing-glyph boxes.

// The characters record's face maps, read the first time (from the face's `cmap` table, else
// through services' character map) and kept with the record, its copies included; empty when
// they cannot be read.
const TCharCoverage& RecordCoverage(const TFontInfo& record, const platform::Services& services);

// What a row with this coverage draws: sample itself when the face covers any of its letters
// (of its visible characters when it has no letters) or when nothing is known of the face;
// else the characters the face covers of a short sample in the first script it mostly covers:
// Hangul, Han, Kana, Cyrillic, Greek, Arabic, Hebrew, Thai, Devanagari, Latin; else its first
// 20 visible characters.
QString OwnSampleText(const TCharCoverage& coverage, const QString& sample);
