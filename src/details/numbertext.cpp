#include "details/numbertext.h"

#include <QLocale>

QString GroupedNumber(std::uint64_t value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<qulonglong>(value));
}
