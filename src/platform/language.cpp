#include "platform/language.h"

#include <cstdlib>
#include <string_view>

namespace platform {
namespace {

struct LocaleLang {
    std::string_view name;  // "ll_CC" or "ll" alone (the language's main country)
    std::uint16_t langId;
};

constexpr LocaleLang kLocales[] = {
    {"ko_KR", 0x0412}, {"ko", 0x0412},    {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09},
    {"en_CA", 0x1009}, {"en_NZ", 0x1409}, {"en_IE", 0x1809}, {"en", 0x0409},    {"ja_JP", 0x0411},
    {"ja", 0x0411},    {"zh_CN", 0x0804}, {"zh_SG", 0x1004}, {"zh_TW", 0x0404}, {"zh_HK", 0x0C04},
    {"zh", 0x0804},    {"de_AT", 0x0C07}, {"de_CH", 0x0807}, {"de", 0x0407},    {"fr_BE", 0x080C},
    {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C}, {"fr", 0x040C},    {"es_MX", 0x080A}, {"es", 0x0C0A},
    {"it", 0x0410},    {"pt_BR", 0x0416}, {"pt", 0x0816},    {"nl_BE", 0x0813}, {"nl", 0x0413},
    {"ru", 0x0419},    {"uk", 0x0422},    {"pl", 0x0415},    {"cs", 0x0405},    {"sk", 0x041B},
    {"hu", 0x040E},    {"ro", 0x0418},    {"bg", 0x0402},    {"hr", 0x041A},    {"sl", 0x0424},
    {"el", 0x0408},    {"tr", 0x041F},    {"he", 0x040D},    {"ar", 0x0401},    {"th", 0x041E},
    {"vi", 0x042A},    {"id", 0x0421},    {"sv", 0x041D},    {"da", 0x0406},    {"nb", 0x0414},
    {"no", 0x0414},    {"nn", 0x0814},    {"fi", 0x040B},    {"et", 0x0425},    {"lv", 0x0426},
    {"lt", 0x0427},    {"ca", 0x0403},    {"eu", 0x042D},    {"is", 0x040F},    {"fa", 0x0429},
    {"hi", 0x0439},
};

std::uint16_t Lookup(std::string_view name) {
    for (const LocaleLang& entry : kLocales) {
        if (entry.name == name) {
            return entry.langId;
        }
    }
    return 0;
}

}  // namespace

std::uint16_t LangIDFromLocaleName(const char* localeName) {
    if (localeName == nullptr) {
        return kLangEnglishUs;
    }
    std::string_view name(localeName);
    // "ll_CC.codeset@modifier": the codeset and modifier do not change the language.
    name = name.substr(0, name.find_first_of(".@"));
    if (const std::uint16_t id = Lookup(name)) {
        return id;
    }
    if (const std::uint16_t id = Lookup(name.substr(0, name.find('_')))) {
        return id;
    }
    return kLangEnglishUs;
}

std::uint16_t UserDefaultLangID() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            return LangIDFromLocaleName(value);
        }
    }
    return kLangEnglishUs;
}

}  // namespace platform
