#include "render/ownsample.h"

#include <QChar>
#include <QList>
#include <algorithm>
#include <optional>
#include <vector>

#include "catalogue/cmapreader.h"
#include "catalogue/fontbytes.h"
#include "catalogue/fontinfo.h"
#include "platform/charactermap.h"
#include "platform/services.h"
#include "render/facefile.h"

namespace {

constexpr std::size_t kOwnCharacters = 20;

// Ten characters of each script, common to the character sets fonts of the script cover
// (the Han ones are in the Chinese, Japanese and Korean sets alike).
const char16_t* const kScriptSamples[] = {
    u"가나다라마바사아자차",  // Hangul
    u"永和九年天地日月山水",  // Han
    u"あいうえおアイウエオ",  // Kana
    u"АБВГДабвгд",            // Cyrillic
    u"ΑΒΓΔΕαβγδε",            // Greek
    u"ابتثجحخدذر",            // Arabic
    u"אבגדהוזחטי",            // Hebrew
    u"กขคงจฉชซญด",            // Thai
    u"अआइईउऊएऐओक",            // Devanagari
    u"AaBbCcDdEe",            // Latin
};

// Anything that leaves a mark: no controls, formatting marks or blanks, but the private use
// area icon and symbol fonts map their pictures to.
bool IsVisible(char32_t code) {
    switch (QChar::category(code)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Space:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        default:
            return true;
    }
}

// The characters of sample a face should have: its letters, or its visible characters when
// it has none.
std::vector<char32_t> Wanted(const QString& sample) {
    const QList<uint> codes = sample.toUcs4();
    std::vector<char32_t> letters;
    std::vector<char32_t> visible;
    for (const uint code : codes) {
        if (QChar::isLetter(code)) {
            letters.push_back(code);
        }
        if (IsVisible(code)) {
            visible.push_back(code);
        }
    }
    return letters.empty() ? visible : letters;
}

QString FromCodes(const std::vector<char32_t>& codes) {
    return QString::fromUcs4(codes.data(), static_cast<qsizetype>(codes.size()));
}

}  // namespace

const TCharCoverage& RecordCoverage(const TFontInfo& record, const platform::Services& services) {
    if (const TCharCoverage* known = record.Coverage()) {
        return *known;
    }
    // A face in a file is read from its `cmap` table; a screen font, and a face whose
    // character map only a font engine reads, through the character map service.
    std::optional<TCharCoverage> coverage;
    if (!record.FileName().empty()) {
        catalogue::FontBytes bytes(record.FileName());
        if (bytes.Open()) {
            coverage = catalogue::ReadUnicodeCoverage(bytes, record.FaceOffset());
        }
    }
    if (!coverage && services.characterMap != nullptr) {
        if (const auto face = RecordFaceFile(record, services)) {
            coverage =
                TCharCoverage(services.characterMap->CodePoints(face->path, face->faceIndex));
        }
    }
    record.SetCoverage(coverage.value_or(TCharCoverage()));
    return *record.Coverage();
}

QString OwnSampleText(const TCharCoverage& coverage, const QString& sample) {
    const std::vector<char32_t> wanted = Wanted(sample);
    if (coverage.Empty() || std::any_of(wanted.begin(), wanted.end(), [&coverage](char32_t code) {
            return coverage.Covers(code);
        })) {
        return sample;
    }
    for (const char16_t* script : kScriptSamples) {
        const QString text = QString::fromUtf16(script);
        std::vector<char32_t> covered;
        for (const uint code : text.toUcs4()) {
            if (coverage.Covers(code)) {
                covered.push_back(code);
            }
        }
        if (2 * covered.size() >= static_cast<std::size_t>(text.size())) {
            return FromCodes(covered);
        }
    }
    const std::vector<char32_t> own = coverage.First(kOwnCharacters, IsVisible);
    return own.empty() ? sample : FromCodes(own);
}
