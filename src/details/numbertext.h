#pragma once

#include <QString>
#include <cstdint>

// value in decimal with the locale's digit grouping ("49,152"). The C locale groups with
// commas too, rather than not at all.
QString GroupedNumber(std::uint64_t value);
